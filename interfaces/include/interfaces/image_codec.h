#pragma once
// The image decoder and encoder.
#include "interfaces/memory.h"
#include "interfaces/surface.h"

class IUngild : public IInterface {
public:
    // A 32-bit surface carrying one reference for the caller, or null.
    virtual ISurface* Decode(const void* data, int size) = 0;
};

class IImageEncoder : public IInterface {
public:
    // format 0: PNG. The encoded file bytes, or null.
    virtual IMemory* Encode(ISurface* surface, int format) = 0;
};
