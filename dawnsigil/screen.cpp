#include "dawnsigil/screen.h"

#include <algorithm>
#include <cstdint>

namespace dawnsigil {
namespace {

// One axis of clip_blit, in 64 bits so that no coordinate can overflow on the way.
bool clip_axis(int64_t& d, int64_t& s, int64_t& size, int64_t source_size, int64_t screen_size) {
    if (d < 0) s -= d, size += d, d = 0;
    if (s < 0) d -= s, size += s, s = 0;
    size = std::min({size, screen_size - d, source_size - s});
    return size >= 1;
}

// A scaled rectangle cut to [0, limit) with its source span cut in proportion.
bool clip_scaled(double& d, double& size, double& s, double& source_size, double limit) {
    if (!(size > 0) || !(source_size > 0)) return false;
    const double scale = source_size / size;
    double start = d, end = d + size;
    if (start < 0) s += (0 - start) * scale, start = 0;
    if (end > limit) end = limit;
    if (!(end > start)) return false;
    d = start;
    size = end - start;
    source_size = size * scale;
    return true;
}

}  // namespace

std::optional<Blit> clip_blit(Blit b, int source_width, int source_height, int screen_width, int screen_height) {
    int64_t dx = b.dx, dy = b.dy, sx = b.sx, sy = b.sy, w = b.w, h = b.h;
    if (!clip_axis(dx, sx, w, source_width, screen_width) || !clip_axis(dy, sy, h, source_height, screen_height))
        return std::nullopt;
    return Blit{int(dx), int(dy), int(sx), int(sy), int(w), int(h)};
}

Screen::Screen(ILogoGraph& graph, IMainSurface& surface)
    : graph_(graph), surface_(surface), width_(std::clamp(surface.GetWidth(), 0, kScreenWidth)),
      height_(std::clamp(surface.GetHeight(), 0, kScreenHeight)) {}

std::optional<Blit> Screen::place(ISurface* picture, int x, int y) const {
    if (!picture) return std::nullopt;
    const int w = picture->GetWidth(), h = picture->GetHeight();
    return clip_blit(Blit{x, y, 0, 0, w, h}, w, h, width_, height_);
}

std::optional<Blit> Screen::box(int x, int y, int w, int h) const {
    return clip_blit(Blit{x, y, x, y, w, h}, width_, height_, width_, height_);
}

void Screen::copy(ISurface* picture, int x, int y) {
    if (auto b = place(picture, x, y)) graph_.Copy(&surface_, b->dx, b->dy, picture, b->sx, b->sy, b->w, b->h);
}

void Screen::blend(ISurface* picture, int x, int y, int opacity) {
    if (auto b = place(picture, x, y))
        graph_.BlendConst(&surface_, b->dx, b->dy, picture, b->sx, b->sy, b->w, b->h, opacity);
}

void Screen::blend_alpha(ISurface* picture, int x, int y) {
    if (auto b = place(picture, x, y)) graph_.BlendAlpha(&surface_, b->dx, b->dy, picture, b->sx, b->sy, b->w, b->h);
}

void Screen::blend_alpha(ISurface* picture, int x, int y, int opacity) {
    if (auto b = place(picture, x, y))
        graph_.BlendAlphaOpacity(&surface_, b->dx, b->dy, picture, b->sx, b->sy, b->w, b->h, opacity);
}

void Screen::stretch_blend_alpha(ISurface* picture, int x, int y, int w, int h) {
    if (!picture) return;
    double dx = x, dy = y, dw = w, dh = h, sx = 0, sy = 0, sw = picture->GetWidth(), sh = picture->GetHeight();
    if (!clip_scaled(dx, dw, sx, sw, width_) || !clip_scaled(dy, dh, sy, sh, height_)) return;
    // The library takes whole pixels: the clipped source keeps the scale to within a pixel.
    const int ix = int(dx), iy = int(dy), iw = int(dw), ih = int(dh);
    const int isx = int(sx), isy = int(sy);
    const int isw = std::max(1, int(sw + 0.5)), ish = std::max(1, int(sh + 0.5));
    if (iw < 1 || ih < 1) return;
    graph_.StretchBlendAlpha(&surface_, ix, iy, iw, ih, picture, isx, isy, isw, ish);
}

void Screen::stretch_copy(ISurface* picture, float x, float y, float w, float h, float sx, float sy, float sw,
                          float sh) {
    if (!picture) return;
    double dx = x, dy = y, dw = w, dh = h, u = sx, v = sy, uw = sw, vh = sh;
    if (!clip_scaled(dx, dw, u, uw, width_) || !clip_scaled(dy, dh, v, vh, height_)) return;
    graph_.StretchCopy(&surface_, float(dx), float(dy), float(dw), float(dh), picture, float(u), float(v), float(uw),
                       float(vh));
}

void Screen::fill(int x, int y, int w, int h, int r, int g, int b) {
    if (auto c = box(x, y, w, h)) graph_.Fill(&surface_, c->dx, c->dy, c->w, c->h, r, g, b);
}

void Screen::blend_fill(int x, int y, int w, int h, int r, int g, int b, int opacity) {
    if (auto c = box(x, y, w, h)) graph_.BlendFill(&surface_, c->dx, c->dy, c->w, c->h, r, g, b, opacity);
}

void Screen::present() { surface_.Present(0, 0, kScreenWidth, kScreenHeight); }

}  // namespace dawnsigil
