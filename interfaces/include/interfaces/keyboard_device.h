#pragma once
// The host's keyboard input device, asked of IHostcore with IID_IKeyboardDevice and borrowed (never
// released). Virtual-key codes include the mouse buttons (1 left, 2 right).
#include "interfaces/iinterface.h"

class IKeyboardDevice : public IInterface {
public:
    // Called once before the device is first read; what it prepares is the host's business.
    virtual void Init() = 0;
    virtual bool IsKeyDown(int vk) = 0;
};
