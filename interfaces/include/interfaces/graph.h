#pragma once
// 2-D drawing primitives. Init comes first; the primitives follow in the order the engine's
// composition and transitions define them.
#include "interfaces/surface.h"

class IGraph3 : public IInterface {
public:
    virtual bool Init() = 0;
};
