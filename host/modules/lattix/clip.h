#pragma once
// Clipping of a drawing rectangle to the destination and the source surface.
#include <algorithm>
#include <cstdint>

#include "interfaces/surface.h"

namespace host::graph {

// A rectangle on the destination and where it comes from on the source, in 64 bits so that
// origins and extents from scripts cannot overflow while they are clipped.
struct Area {
    int64_t dx, dy, sx, sy, w, h;
};

// Shrinks the area to what lies inside a surface of that size at that origin; the other origin
// moves with it.
inline void clip_to(int64_t& at, int64_t& other, int64_t& extent, int64_t size) {
    if (at < 0) {
        other -= at;
        extent += at;
        at = 0;
    }
    extent = std::min(extent, size - at);
}

// False when nothing of the area lies on both surfaces (source may be null: destination only).
inline bool clip(Area& a, ISurface* destination, ISurface* source) {
    if (a.w <= 0 || a.h <= 0) return false;
    if (source) {
        clip_to(a.sx, a.dx, a.w, source->GetWidth());
        clip_to(a.sy, a.dy, a.h, source->GetHeight());
    }
    clip_to(a.dx, a.sx, a.w, destination->GetWidth());
    clip_to(a.dy, a.sy, a.h, destination->GetHeight());
    return a.w > 0 && a.h > 0;
}

}  // namespace host::graph
