// Pixel queries and the two pixel operations on sprites' images.
#include <algorithm>
#include <cstdint>

#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"

namespace {

// The sprite's image as stored, or null.
ISurface* stored(int sprite) { return g_pTARN->m_pIEngine->GetStoredSurface(sprite); }

// The image for changing pixels through the sprite-number service, which reports a sprite without
// one.
ISurface* for_writing(int sprite) { return g_pTARN->m_pIGetSurface->Change(sprite); }

bool inside(ISurface* s, int x, int y) { return x >= 0 && y >= 0 && x < s->GetWidth() && y < s->GetHeight(); }

}  // namespace

int SP_GetPixelValue(int sprite, int x, int y, int* r, int* g, int* b) {
    ISurface* s = stored(sprite);
    if (!s || !s->HasPixel() || !inside(s, x, y)) return 0;
    const uint8_t* p = s->GetPixelAddress(x, y);
    if (!p) return 0;
    if (r) *r = p[2];
    if (g) *g = p[1];
    if (b) *b = p[0];
    return 1;
}

int SP_GetAMapValue(int sprite, int x, int y) {
    ISurface* s = stored(sprite);
    if (!s || !s->HasAlphaMap() || s->GetBitsPerPixel() != 32 || !inside(s, x, y)) return -1;
    const uint8_t* p = s->GetPixelAddress(x, y);
    return p ? p[3] : -1;
}

void CG_RotateRGB(int sprite, int x, int y, int width, int height, int rotation) {
    vesperkit::guard_export([&] {
        ISurface* s = for_writing(sprite);
        if (!s || !s->HasPixel() || s->GetBitsPerPixel() != 32) return;
        // 64-bit edges: x + width must not overflow on its way to the clip.
        const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
        const int64_t right = std::min<int64_t>(int64_t(x) + width, s->GetWidth());
        const int64_t bottom = std::min<int64_t>(int64_t(y) + height, s->GetHeight());
        if (left >= right || top >= bottom) return;
        const int turn = rotation % 3;  // -2..2, the sign of the rotation
        if (turn == 0) return;
        for (int64_t row = top; row < bottom; ++row) {
            uint8_t* p = s->GetPixelAddress(int(left), int(row));
            for (int64_t col = left; col < right; ++col, p += 4) {
                const uint8_t blue = p[0], green = p[1], red = p[2];
                if (turn == 1) {
                    p[0] = red, p[1] = blue, p[2] = green;
                } else {
                    p[0] = green, p[1] = red, p[2] = blue;
                }
            }
        }
    });
}

void CG_BlendAMapBin(int destination, int dx, int dy, int source, int sx, int sy, int width, int height,
                     int threshold) {
    vesperkit::guard_export([&] {
        ISurface* d = for_writing(destination);
        if (!d || !d->HasPixel() || d->GetBitsPerPixel() != 32) return;
        ISurface* s = for_writing(source);
        if (!s || !s->HasPixel() || !s->HasAlphaMap() || s->GetBitsPerPixel() != 32) return;
        // Both rectangles shrink together, destination edges first, then the source's.
        int64_t x0 = dx, y0 = dy, x1 = sx, y1 = sy, w = width, h = height;
        if (x0 < 0) x1 -= x0, w += x0, x0 = 0;
        if (y0 < 0) y1 -= y0, h += y0, y0 = 0;
        w = std::min(w, d->GetWidth() - x0);
        h = std::min(h, d->GetHeight() - y0);
        if (x1 < 0) x0 -= x1, w += x1, x1 = 0;
        if (y1 < 0) y0 -= y1, h += y1, y1 = 0;
        w = std::min(w, s->GetWidth() - x1);
        h = std::min(h, s->GetHeight() - y1);
        if (w <= 0 || h <= 0) return;
        const int limit = std::clamp(threshold, 0, 255);
        for (int64_t row = 0; row < h; ++row) {
            uint8_t* to = d->GetPixelAddress(int(x0), int(y0 + row));
            const uint8_t* from = s->GetPixelAddress(int(x1), int(y1 + row));
            for (int64_t col = 0; col < w; ++col, to += 4, from += 4)
                if (from[3] >= limit) to[0] = from[0], to[1] = from[1], to[2] = from[2];
        }
    });
}
