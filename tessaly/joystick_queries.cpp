#include "tessaly/joystick_queries.h"

#include "tessaly/host_binding.h"

namespace tessaly {

IJoystick* JoystickQueries::joystick() {
    if (!joystick_) {
        joystick_ = bind_joystick();
        if (joystick_) captured_ = false;
    }
    return joystick_;
}

bool JoystickQueries::capture(IJoystick& joystick) {
    if (!captured_) captured_ = joystick.Capture();
    return captured_;
}

int JoystickQueries::device_count() {
    IJoystick* j = joystick();
    return j ? j->GetNumofDevice() : 0;
}

bool JoystickQueries::is_key_down(int device, int button) {
    IJoystick* j = joystick();
    return j && capture(*j) && j->IsKeyDown(device, button);
}

float JoystickQueries::axis(int device, int axis) {
    IJoystick* j = joystick();
    return j && capture(*j) ? j->GetAxis(device, axis) : 0.0f;
}

}  // namespace tessaly
