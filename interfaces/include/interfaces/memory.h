#pragma once
#include "interfaces/iinterface.h"

// A reference-counted byte block, as handed out by the link files and made by the engine.
class IMemory : public IInterface {
public:
    virtual void Reserved2() {}
    virtual void Reserved3() {}
    virtual void Reserved4() {}
    virtual int GetSize() = 0;       // bytes
    virtual void* GetBuffer() = 0;   // first byte, null when empty
};
