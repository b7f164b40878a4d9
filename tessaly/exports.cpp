// The exports: thin forwards to the library's one JoystickQueries. No exception leaves an export;
// a failure answers the export's failure value.
#include "tessaly/exports.h"

#include "tessaly/joystick_queries.h"

namespace tessaly {
namespace {

JoystickQueries& library() {
    static JoystickQueries queries;
    return queries;
}

}  // namespace
}  // namespace tessaly

int Joystick_GetNumofDevice() {
    try {
        return tessaly::library().device_count();
    } catch (...) {
        return 0;
    }
}

int Joystick_IsKeyDown(int device, int button) {
    try {
        return tessaly::library().is_key_down(device, button) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

float Joystick_GetAxis(int device, int axis) {
    try {
        return tessaly::library().axis(device, axis);
    } catch (...) {
        return 0.0f;
    }
}

void Joystick_ClearCaptureFlag() { tessaly::library().clear_capture_flag(); }
