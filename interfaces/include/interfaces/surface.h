#pragma once
#include <cstdint>
#include "interfaces/iinterface.h"

// A 2-D image. 32-bit pixels are the bytes blue, green, red and a fourth byte; pixel address =
// base + x * bytes per pixel + y * pitch. The optional alpha map is a separate plane of one byte
// per pixel with its own pitch.
class ISurface : public IInterface {
public:
    virtual uint8_t* GetPixelAddress(int x, int y) = 0;  // null when there is no pixel plane
    virtual uint8_t* GetAlphaAddress(int x, int y) = 0;  // null when there is no alpha map
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    virtual int GetBitsPerPixel() = 0;
    virtual int GetPitch() = 0;       // bytes per line of the pixel plane
    virtual int GetAlphaPitch() = 0;  // bytes per line of the alpha plane
    virtual bool HasPixel() = 0;
    virtual bool HasAlphaMap() = 0;
};

// The host's main surface: a surface that can show a rectangle of itself on the game window.
class IMainSurface : public ISurface {
public:
    virtual void Present(int x, int y, int width, int height) = 0;
};
