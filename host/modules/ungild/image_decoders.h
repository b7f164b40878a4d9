#pragma once
// Decoders of the image formats the game archives hold. Each takes the whole file and gives a
// 32-bit surface (blue, green, red, fourth byte) carrying one reference, or null for bytes that are
// not a complete image of its format. An image with transparency gets an alpha map whose bytes
// equal the fourth byte of each pixel; an opaque image has none and 255 in every fourth byte.
#include <cstddef>
#include <cstdint>

#include "interfaces/surface.h"

namespace host::codec {

// Images beyond these are refused before anything is allocated for them: no game picture comes
// near, and a few bytes of header cannot make the decoder reserve gigabytes.
constexpr uint32_t kMaxImageSide = 16384;
constexpr uint64_t kMaxImagePixels = uint64_t(1) << 25;

ISurface* decode_png(const uint8_t* data, size_t size);
ISurface* decode_jpeg(const uint8_t* data, size_t size);
ISurface* decode_bmp(const uint8_t* data, size_t size);

bool is_png(const uint8_t* data, size_t size);
bool is_jpeg(const uint8_t* data, size_t size);
bool is_bmp(const uint8_t* data, size_t size);

// Copies each pixel's fourth byte into the surface's alpha map (when it has one).
void copy_fourth_bytes_to_alpha(ISurface* surface);

}  // namespace host::codec
