// The logo player's drawing table: plain scalar drawing on 32-bit surfaces, one pixel at a time,
// every rectangle clipped to the destination and to the source so that no call can touch memory
// outside either surface. Surfaces of another depth are left alone.
//
// Blending rounds to nearest: out = (s * a + d * (255 - a) + 127) / 255 per colour byte, with the
// destination's fourth byte kept. A source's weight is its alpha plane, or its fourth byte when it
// has none, times the opacity / 255 where the operation has one. Stretching samples the nearest
// source pixel to each destination pixel's centre.
#include "logo_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "host/event_log.h"
#include "host/ref_counted.h"
#include "platform/faults.h"

namespace host {
namespace {

// A 32-bit pixel plane, with the alpha plane when the surface has one.
struct Plane {
    uint8_t* pixels = nullptr;
    int64_t pitch = 0;
    uint8_t* alpha = nullptr;
    int64_t alpha_pitch = 0;
    int width = 0, height = 0;

    uint8_t* pixel(int64_t x, int64_t y) const { return pixels + y * pitch + x * 4; }
    // The weight of a source pixel: its alpha byte, else its fourth byte.
    int weight(int64_t x, int64_t y) const { return alpha ? alpha[y * alpha_pitch + x] : pixel(x, y)[3]; }
};

bool plane_of(ISurface* surface, Plane& plane) {
    if (!surface || surface->GetBitsPerPixel() != 32) return false;
    plane.width = surface->GetWidth();
    plane.height = surface->GetHeight();
    plane.pixels = surface->GetPixelAddress(0, 0);
    plane.pitch = surface->GetPitch();
    if (plane.width <= 0 || plane.height <= 0 || !plane.pixels || plane.pitch < int64_t(plane.width) * 4) return false;
    if (surface->HasAlphaMap()) {
        plane.alpha = surface->GetAlphaAddress(0, 0);
        plane.alpha_pitch = surface->GetAlphaPitch();
        if (plane.alpha_pitch < plane.width) plane.alpha = nullptr;
    }
    return true;
}

int clamp_opacity(int opacity) { return std::clamp(opacity, 0, 255); }

uint8_t mix(int s, int d, int a) { return static_cast<uint8_t>((s * a + d * (255 - a) + 127) / 255); }

void blend_pixel(uint8_t* d, const uint8_t* s, int a) {
    d[0] = mix(s[0], d[0], a);
    d[1] = mix(s[1], d[1], a);
    d[2] = mix(s[2], d[2], a);
}

// A source rectangle placed on a destination, clipped to both.
struct Span {
    int64_t dx, dy, sx, sy, w, h;
};

bool clip(const Plane& dst, const Plane& src, int dx, int dy, int sx, int sy, int w, int h, Span& out) {
    int64_t x = dx, y = dy, u = sx, v = sy, cw = w, ch = h;
    if (u < 0) x -= u, cw += u, u = 0;
    if (v < 0) y -= v, ch += v, v = 0;
    if (x < 0) u -= x, cw += x, x = 0;
    if (y < 0) v -= y, ch += y, y = 0;
    cw = std::min({cw, int64_t(src.width) - u, int64_t(dst.width) - x});
    ch = std::min({ch, int64_t(src.height) - v, int64_t(dst.height) - y});
    if (cw <= 0 || ch <= 0) return false;
    out = Span{x, y, u, v, cw, ch};
    return true;
}

// A destination rectangle clipped to the destination: [x0, x1) x [y0, y1).
struct Box {
    int64_t x0, y0, x1, y1;
};

bool clip_box(const Plane& dst, int64_t x, int64_t y, int64_t w, int64_t h, Box& out) {
    out = Box{std::max<int64_t>(x, 0), std::max<int64_t>(y, 0), std::min<int64_t>(x + w, dst.width),
              std::min<int64_t>(y + h, dst.height)};
    return w > 0 && h > 0 && out.x0 < out.x1 && out.y0 < out.y1;
}

// Pixels whose centre lies in [start, start + size), for a rectangle given in floating point.
bool covered(double start, double size, int limit, int64_t& first, int64_t& end) {
    if (!(size > 0) || !std::isfinite(start) || !std::isfinite(size)) return false;
    first = std::max<int64_t>(0, static_cast<int64_t>(std::ceil(std::max(start - 0.5, -1.0))));
    end = std::min<int64_t>(limit, static_cast<int64_t>(std::ceil(std::min(start + size - 0.5, double(limit)))));
    return first < end;
}

// The source pixel nearest to destination pixel `d`, kept inside [0, limit).
int64_t sample(int64_t d, double start, double size, double source_start, double source_size, int limit) {
    const double at = source_start + (d + 0.5 - start) * source_size / size;
    const double floored = std::floor(at);
    if (!(floored >= 0)) return 0;
    return floored >= limit ? limit - 1 : static_cast<int64_t>(floored);
}

class LogoGraph : public RefCounted<ILogoGraph> {
public:
    LogoGraph() : RefCounted("ILogoGraph") {}

    bool Init() override {
        record("Lattix.ILogoGraph.Init");
        return !platform::should_fail("ILogoGraph.Init");
    }
    void SetSetting(int value) override { record("Lattix.ILogoGraph.SetSetting " + std::to_string(value)); }

    void Copy(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h) override {
        Plane d, s;
        Span r;
        if (!plane_of(dst, d) || !plane_of(src, s) || !clip(d, s, dx, dy, sx, sy, w, h, r)) return;
        for (int64_t j = 0; j < r.h; ++j)
            for (int64_t i = 0; i < r.w; ++i) {
                const uint8_t* sp = s.pixel(r.sx + i, r.sy + j);
                uint8_t* dp = d.pixel(r.dx + i, r.dy + j);
                std::copy(sp, sp + 4, dp);
            }
    }

    void BlendConst(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h,
                    int opacity) override {
        blend(dst, dx, dy, src, sx, sy, w, h, clamp_opacity(opacity), false);
    }
    void BlendAlpha(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h) override {
        blend(dst, dx, dy, src, sx, sy, w, h, 255, true);
    }
    void BlendAlphaOpacity(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h,
                           int opacity) override {
        blend(dst, dx, dy, src, sx, sy, w, h, clamp_opacity(opacity), true);
    }

    void Fill(ISurface* dst, int x, int y, int w, int h, int r, int g, int b) override {
        Plane d;
        Box box;
        if (!plane_of(dst, d) || !clip_box(d, x, y, w, h, box)) return;
        for (int64_t j = box.y0; j < box.y1; ++j)
            for (int64_t i = box.x0; i < box.x1; ++i) {
                uint8_t* p = d.pixel(i, j);
                p[0] = static_cast<uint8_t>(b), p[1] = static_cast<uint8_t>(g), p[2] = static_cast<uint8_t>(r);
            }
    }

    void BlendFill(ISurface* dst, int x, int y, int w, int h, int r, int g, int b, int opacity) override {
        Plane d;
        Box box;
        if (!plane_of(dst, d) || !clip_box(d, x, y, w, h, box)) return;
        const int a = clamp_opacity(opacity);
        const uint8_t colour[3] = {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r)};
        for (int64_t j = box.y0; j < box.y1; ++j)
            for (int64_t i = box.x0; i < box.x1; ++i) blend_pixel(d.pixel(i, j), colour, a);
    }

    void StretchBlendAlpha(ISurface* dst, int x, int y, int w, int h, ISurface* src, int sx, int sy, int sw,
                           int sh) override {
        Plane d, s;
        if (!plane_of(dst, d) || !plane_of(src, s) || sw <= 0 || sh <= 0) return;
        stretch(d, x, y, w, h, s, sx, sy, sw, sh, [&](int64_t u, int64_t v, int64_t i, int64_t j) {
            blend_pixel(d.pixel(i, j), s.pixel(u, v), s.weight(u, v));
        });
    }

    void StretchCopy(ISurface* dst, float x, float y, float w, float h, ISurface* src, float sx, float sy, float sw,
                     float sh) override {
        Plane d, s;
        if (!plane_of(dst, d) || !plane_of(src, s)) return;
        stretch(d, x, y, w, h, s, sx, sy, sw, sh, [&](int64_t u, int64_t v, int64_t i, int64_t j) {
            const uint8_t* sp = s.pixel(u, v);
            std::copy(sp, sp + 4, d.pixel(i, j));
        });
    }

    void StretchCopyAlpha(ISurface* dst, float x, float y, float w, float h, ISurface* src, float sx, float sy,
                          float sw, float sh) override {
        Plane d, s;
        if (!plane_of(dst, d) || !plane_of(src, s) || !d.alpha) return;
        stretch(d, x, y, w, h, s, sx, sy, sw, sh, [&](int64_t u, int64_t v, int64_t i, int64_t j) {
            d.alpha[j * d.alpha_pitch + i] = static_cast<uint8_t>(s.weight(u, v));
        });
    }

private:
    static void blend(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h, int opacity,
                      bool per_pixel) {
        Plane d, s;
        Span r;
        if (!plane_of(dst, d) || !plane_of(src, s) || !clip(d, s, dx, dy, sx, sy, w, h, r)) return;
        for (int64_t j = 0; j < r.h; ++j)
            for (int64_t i = 0; i < r.w; ++i) {
                const int64_t u = r.sx + i, v = r.sy + j;
                const int a = per_pixel ? (s.weight(u, v) * opacity + 127) / 255 : opacity;
                blend_pixel(d.pixel(r.dx + i, r.dy + j), s.pixel(u, v), a);
            }
    }

    // Calls put(u, v, i, j) for every destination pixel (i, j) of the clipped rectangle, with (u, v)
    // its nearest source pixel, kept inside the source surface.
    template <class Put>
    static void stretch(const Plane& d, double x, double y, double w, double h, const Plane& s, double sx, double sy,
                        double sw, double sh, Put put) {
        if (!(sw > 0) || !(sh > 0) || !std::isfinite(sx) || !std::isfinite(sy) || !std::isfinite(sw) ||
            !std::isfinite(sh))
            return;
        int64_t x0, x1, y0, y1;
        if (!covered(x, w, d.width, x0, x1) || !covered(y, h, d.height, y0, y1)) return;
        for (int64_t j = y0; j < y1; ++j) {
            const int64_t v = sample(j, y, h, sy, sh, s.height);
            for (int64_t i = x0; i < x1; ++i) put(sample(i, x, w, sx, sw, s.width), v, i, j);
        }
    }
};

}  // namespace

ILogoGraph* create_logo_graph() { return new LogoGraph; }

}  // namespace host
