#pragma once
// The library's whole state: the joystick bound on first use, and whether the device state has
// been read since the script last cleared the capture flag. Scripts clear the flag once per frame
// and then ask about as many buttons and axes as they like, for one read of the devices.
#include "interfaces/joystick.h"

namespace tessaly {

class JoystickQueries {
public:
    // 0 without a joystick; does not read the device state.
    int device_count();
    // false (0.0) without a joystick or when the state cannot be read.
    bool is_key_down(int device, int button);
    float axis(int device, int axis);
    void clear_capture_flag() { captured_ = false; }

    bool bound() const { return joystick_ != nullptr; }
    bool captured() const { return captured_; }

private:
    // Binds while unbound; a failed binding is tried again on the next query.
    IJoystick* joystick();
    // Reads the device state unless read since the last clear; a failed read leaves the flag clear.
    bool capture(IJoystick& joystick);

    IJoystick* joystick_ = nullptr;  // borrowed from the host for the life of the library
    bool captured_ = false;
};

}  // namespace tessaly
