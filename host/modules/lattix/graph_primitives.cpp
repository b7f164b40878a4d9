#include "graph_primitives.h"

#include "clip.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace host::graph {
namespace {

int bytes_per_pixel(ISurface* s) { return s->GetBitsPerPixel() / 8; }

}  // namespace

void copy(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x, int source_y,
          int width, int height) {
    if (!destination || !source || !destination->HasPixel() || !source->HasPixel()) return;
    if (destination->GetBitsPerPixel() != source->GetBitsPerPixel() || bytes_per_pixel(source) < 1) return;
    Area a{destination_x, destination_y, source_x, source_y, width, height};
    if (!clip(a, destination, source)) return;
    const bool with_alpha = destination->HasAlphaMap() && source->HasAlphaMap();
    const size_t pixel_bytes = static_cast<size_t>(a.w) * bytes_per_pixel(source);
    // Within one surface the rows may overlap: copy from the far end when moving down.
    const bool upwards = destination == source && a.dy > a.sy;
    for (int64_t i = 0; i < a.h; ++i) {
        const int64_t row = upwards ? a.h - 1 - i : i;
        const int sy = int(a.sy + row), dy = int(a.dy + row);
        uint8_t* to = destination->GetPixelAddress(int(a.dx), dy);
        const uint8_t* from = source->GetPixelAddress(int(a.sx), sy);
        if (to && from) std::memmove(to, from, pixel_bytes);
        if (!with_alpha) continue;
        uint8_t* alpha_to = destination->GetAlphaAddress(int(a.dx), dy);
        const uint8_t* alpha_from = source->GetAlphaAddress(int(a.sx), sy);
        if (alpha_to && alpha_from) std::memmove(alpha_to, alpha_from, static_cast<size_t>(a.w));
    }
}

void fill_rect(ISurface* destination, int x, int y, int width, int height, int r, int g, int b) {
    if (!destination || !destination->HasPixel()) return;
    const int bpp = destination->GetBitsPerPixel();
    if (bpp != 16 && bpp != 24 && bpp != 32) return;  // an 8-bit surface holds no colour
    Area a{x, y, 0, 0, width, height};
    if (!clip(a, destination, nullptr)) return;
    // Only the low byte of each channel counts.
    const auto blue = static_cast<uint8_t>(b), green = static_cast<uint8_t>(g), red = static_cast<uint8_t>(r);
    const uint16_t packed = static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);  // 5-6-5
    const int step = bpp / 8;
    for (int64_t row = 0; row < a.h; ++row) {
        uint8_t* p = destination->GetPixelAddress(int(a.dx), int(a.dy + row));
        if (!p) continue;
        for (int64_t col = 0; col < a.w; ++col, p += step) {
            if (bpp == 16) {
                p[0] = packed & 0xFF;
                p[1] = packed >> 8;
            } else {
                p[0] = blue;
                p[1] = green;
                p[2] = red;
            }
        }
    }
}

void fill_alpha(ISurface* destination, int x, int y, int width, int height, int value) {
    if (!destination || !destination->HasAlphaMap()) return;
    Area a{x, y, 0, 0, width, height};
    if (!clip(a, destination, nullptr)) return;
    const auto alpha = static_cast<uint8_t>(value);
    const bool fourth_byte = destination->GetBitsPerPixel() == 32 && destination->HasPixel();
    for (int64_t row = 0; row < a.h; ++row) {
        const int at_y = int(a.dy + row);
        if (uint8_t* plane = destination->GetAlphaAddress(int(a.dx), at_y)) std::memset(plane, alpha, size_t(a.w));
        if (!fourth_byte) continue;
        if (uint8_t* p = destination->GetPixelAddress(int(a.dx), at_y))
            for (int64_t col = 0; col < a.w; ++col) p[col * 4 + 3] = alpha;
    }
}

}  // namespace host::graph
