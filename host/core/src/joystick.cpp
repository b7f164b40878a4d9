#include "host/joystick.h"

#include "platform/faults.h"

namespace host {

bool Joystick::Capture() {
    ++state_reads_;
    if (read_fails_ || platform::should_fail("IJoystick.Capture")) return false;
    captured_ = live_;
    return true;
}

// The device count is the host's knowledge of what is plugged in, not part of the read state.
int Joystick::GetNumofDevice() { return static_cast<int>(live_.size()); }

bool Joystick::IsKeyDown(int device, int button) {
    if (device < 0 || static_cast<size_t>(device) >= captured_.size()) return false;
    const auto& buttons = captured_[static_cast<size_t>(device)].buttons;
    auto it = buttons.find(button);
    return it != buttons.end() && it->second;
}

float Joystick::GetAxis(int device, int axis) {
    if (device < 0 || static_cast<size_t>(device) >= captured_.size()) return 0.0f;
    const auto& axes = captured_[static_cast<size_t>(device)].axes;
    auto it = axes.find(axis);
    return it == axes.end() ? 0.0f : it->second;
}

void Joystick::set_device_count(int count) { live_.resize(count > 0 ? static_cast<size_t>(count) : 0); }

void Joystick::set_button(int device, int button, bool down) {
    if (Device* d = this->device(device)) d->buttons[button] = down;
}

void Joystick::set_axis(int device, int axis, float position) {
    if (Device* d = this->device(device)) d->axes[axis] = position;
}

Joystick::Device* Joystick::device(int number) {
    if (number < 0) return nullptr;
    const size_t index = static_cast<size_t>(number);
    if (index >= live_.size()) live_.resize(index + 1);
    return &live_[index];
}

}  // namespace host
