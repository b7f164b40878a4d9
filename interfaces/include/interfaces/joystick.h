#pragma once
// The host's joystick input, asked of IHostcore with IID_IJoystick and borrowed (never released).
// The host reads the state of every device at once; the queries answer from the state last read,
// so a script reads it once per frame and then asks as often as it likes.
#include "interfaces/iinterface.h"

class IJoystick : public IInterface {
public:
    // Reads the state of every device; false when it cannot be read.
    virtual bool Capture() = 0;
    virtual int GetNumofDevice() = 0;
    // Device, button and axis numbers are the host's; out-of-range ones answer false and 0.0.
    virtual bool IsKeyDown(int device, int button) = 0;
    virtual float GetAxis(int device, int axis) = 0;
};
