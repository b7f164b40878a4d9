#include "tessaly/host_binding.h"

#include "interfaces/guids.h"
#include "interfaces/host.h"
#include "platform/modules.h"

namespace tessaly {

IJoystick* bind_joystick() {
    platform::ModuleHandle module = platform::find_module("Hostcore.dll");
    if (!module) return nullptr;
    auto get_interface = reinterpret_cast<CreateInterfaceFn>(platform::find_export(module, "GetInterface"));
    if (!get_interface) return nullptr;
    auto* hostcore = static_cast<IHostcore*>(get_interface(&IID_IHostcore));
    if (!hostcore) return nullptr;
    return static_cast<IJoystick*>(hostcore->GetInterface(IID_IJoystick));
}

}  // namespace tessaly
