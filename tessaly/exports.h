#pragma once
// Every export of the joystick library, once: (result, name, (parameters)).
#include "interfaces/exports.h"

#define TESSALY_EXPORTS(X)                                  \
    X(int, Joystick_GetNumofDevice, ())                     \
    X(int, Joystick_IsKeyDown, (int device, int button))    \
    X(float, Joystick_GetAxis, (int device, int axis))      \
    X(void, Joystick_ClearCaptureFlag, ())

#ifndef VK_EXPORT_LISTS_ONLY
TESSALY_EXPORTS(VK_DECLARE_EXPORT)
#endif
