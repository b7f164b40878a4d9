#pragma once
// The pixel planes the decoders write: a 32-bit plane (bytes blue, green, red, fourth byte per
// pixel) or an 8-bit plane, each with its own pitch in bytes. The decoders write only the
// width x height area, never the bytes between a row's end and the next row.
#include <cstddef>
#include <cstdint>

namespace dawnsigil::archive {

struct Plane32 {
    uint8_t* pixels = nullptr;
    ptrdiff_t pitch = 0;  // bytes, at least width * 4
    int width = 0, height = 0;
    uint8_t* row(int y) const { return pixels + y * pitch; }
};

struct Plane8 {
    uint8_t* bytes = nullptr;
    ptrdiff_t pitch = 0;  // bytes, at least width
    int width = 0, height = 0;
    uint8_t* row(int y) const { return bytes + y * pitch; }
};

// The largest picture the decoders accept: far above any screen the logo runs on, small enough
// that a forged header cannot make them allocate more than a few hundred megabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = int64_t(1) << 24;

inline bool picture_size_ok(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace dawnsigil::archive
