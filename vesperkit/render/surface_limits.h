#pragma once
// The largest surface the engine makes itself: its bytes stay well inside what an int pitch and a
// 32-bit size can address, so no later pitch × row product overflows.
#include <cstdint>

namespace vesperkit::render {

constexpr int64_t kMaxSurfaceBytes = int64_t(1) << 30;

// pitch and rows in 64 bits, so that the product itself cannot overflow.
inline bool fits_surface_limit(int64_t pitch, int64_t rows) {
    return pitch > 0 && rows > 0 && pitch <= kMaxSurfaceBytes && pitch * rows <= kMaxSurfaceBytes;
}

}  // namespace vesperkit::render
