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

    // The blends of the composition, on 32-bit surfaces. Blue, green and red are combined per
    // channel and rounded to nearest; the destination's fourth byte keeps its value. With
    // mix(s, d, a) = round((s * a + d * (255 - a)) / 255) and scale(v, a) = round(v * a / 255),
    // alpha being the source's alpha-map byte (255 for a source without one) and rate 0-255:
    // d = mix(s, d, rate)
    virtual void BlendRate(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                           int source_x, int source_y, int width, int height, int rate) = 0;
    // d = mix(s, d, alpha)
    virtual void BlendAlphaMap(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                               int source_x, int source_y, int width, int height) = 0;
    // d = mix(s, d, scale(alpha, rate))
    virtual void BlendAlphaMapRate(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                                   int source_x, int source_y, int width, int height, int rate) = 0;
    // Draw method 1, opaque: d = min(255, d + s)
    virtual void DrawAdd(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
                         int source_y, int width, int height) = 0;
    // Draw method 2, opaque: d = max(0, d - s)
    virtual void DrawSub(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
                         int source_y, int width, int height) = 0;
    // Draw method 3, opaque: d = scale(d, s)
    virtual void DrawMul(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
                         int source_y, int width, int height) = 0;
    // Draw method 1 with rate: d = min(255, d + scale(s, rate))
    virtual void DrawAddRate(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                             int source_x, int source_y, int width, int height, int rate) = 0;
    // Draw method 3 with rate: d = mix(scale(d, s), d, rate)
    virtual void DrawMulRate(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                             int source_x, int source_y, int width, int height, int rate) = 0;
    // Draw method 1 through the alpha map: d = min(255, d + scale(s, alpha))
    virtual void DrawAddAlphaMap(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                                 int source_x, int source_y, int width, int height) = 0;
    // ... and with rate: d = min(255, d + scale(s, scale(alpha, rate)))
    virtual void DrawAddAlphaMapRate(ISurface* destination, int destination_x, int destination_y, ISurface* source,
                                     int source_x, int source_y, int width, int height, int rate) = 0;
};
