#include "host/keyboard_device.h"

#include "host/event_log.h"

namespace host {

void KeyboardDevice::Init() {
    ++init_calls_;
    record("IKeyboardDevice.Init");
}

}  // namespace host
