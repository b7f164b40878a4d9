#pragma once
#include "interfaces/surface.h"

// Every result carries one reference for the caller; null means out of resources.
class ISurfaceFactory : public IInterface {
public:
    virtual ISurface* CreateWithAlpha(int width, int height, int bits_per_pixel) = 0;
    virtual ISurface* Create(int width, int height, int bits_per_pixel) = 0;
    virtual ISurface* Create8(int width, int height) = 0;
};
