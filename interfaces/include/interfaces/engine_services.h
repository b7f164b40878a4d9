#pragma once
// Services that the sprite engine registers with the draw-plug-in manager for other plug-ins.
#include "interfaces/surface.h"

// Sprite number to surface. Neither operation adds a reference to the surface it returns.
class IChangeNumToISurface : public IInterface {
public:
    // The sprite's surface for writing (a shared image is first replaced by a private copy).
    virtual ISurface* Change(int sprite) = 0;
};

class IChangeNumToISurface2 : public IChangeNumToISurface {
public:
    // The sprite's surface as stored, without copying.
    virtual ISurface* ChangeStored(int sprite) = 0;
};

// Marks a rectangle of a sprite as changed: (sprite, x, y, width, height).
class IAddInvalidateRect : public IInterface {
public:
    virtual void Add(int sprite, int x, int y, int width, int height) = 0;
};
