#pragma once
// What the player sees: the window image of the reference host's main surface.
#include <cstdint>

#include "host/reference_host.h"

namespace composition_test {

// The presented pixel at (x, y) as 0xRRGGBB (the fourth byte left out).
inline uint32_t shown(host::ReferenceHost& h, int x, int y) {
    const uint8_t* p = h.main_surface.window_image().data() + size_t(y) * h.main_surface.GetPitch() + size_t(x) * 4;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

}  // namespace composition_test
