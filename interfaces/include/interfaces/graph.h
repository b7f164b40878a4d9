#pragma once
// 2-D drawing primitives. Init comes first; the primitives follow in the order the engine's
// composition and transitions define them.
#include "interfaces/surface.h"

class IGraph3 : public IInterface {
public:
    virtual bool Init() = 0;

    // Each primitive clips its rectangle to the destination and, where there is one, to the
    // source; whatever lies outside either is left alone. Surfaces of different depths are not
    // mixed: such a call draws nothing.

    // Copies the pixels (all bytes of each, the fourth byte of 32-bit pixels included) and, when
    // both surfaces have one, the alpha map.
    virtual void Copy(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
                      int source_y, int width, int height) = 0;
    // Sets blue, green and red of every pixel of the rectangle; the fourth byte keeps its value.
    virtual void FillRect(ISurface* destination, int x, int y, int width, int height, int r, int g, int b) = 0;
    // Sets the alpha map of the rectangle to value (0-255) and, on 32-bit surfaces, the fourth byte
    // of its pixels too, so that the two carry the same alpha. Nothing without an alpha map.
    virtual void FillAlpha(ISurface* destination, int x, int y, int width, int height, int value) = 0;
};
