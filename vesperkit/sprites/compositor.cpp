#include "vesperkit/sprites/compositor.h"

#include <algorithm>
#include <vector>

namespace vesperkit::sprites {
namespace {

// A rectangle clipped to the target, in 64 bits: positions and sizes near the int limits must not
// overflow on their way to the clip.
struct Visible {
    int64_t x, y, w, h;   // on the target
    int64_t sx, sy;       // where that part starts in the sprite's image
};

bool clip_to_target(int64_t x, int64_t y, int64_t w, int64_t h, int64_t target_w, int64_t target_h, Visible& v) {
    v = {x, y, w, h, 0, 0};
    if (v.x < 0) v.sx = -v.x, v.w += v.x, v.x = 0;
    if (v.y < 0) v.sy = -v.y, v.h += v.y, v.y = 0;
    v.w = std::min(v.w, target_w - v.x);
    v.h = std::min(v.h, target_h - v.y);
    return v.w > 0 && v.h > 0;
}

// The visible sprites in drawing order: ascending z, then y, then x, then sprite number (the table
// is walked in ascending number and the sort is stable).
std::vector<CSprite*> drawing_order(const CSpriteTable& table) {
    std::vector<CSprite*> list;
    for (const auto& [number, sprite] : table.records())
        if (sprite->show() && sprite->blend_rate() > 0) list.push_back(sprite);
    std::stable_sort(list.begin(), list.end(), [](const CSprite* a, const CSprite* b) {
        if (a->z() != b->z()) return a->z() < b->z();
        if (a->y() != b->y()) return a->y() < b->y();
        return a->x() < b->x();
    });
    return list;
}

// Draws the visible part of the sprite's image with the primitive its alpha map, rate and method
// select; true when the pixels count as opaque.
bool draw_image(const CompositionContext& c, CSprite& sprite, const Visible& v) {
    IGraph3* g = c.graph;
    ISurface* src = sprite.surface();
    const int dx = int(v.x), dy = int(v.y), sx = int(v.sx), sy = int(v.sy), w = int(v.w), h = int(v.h);
    const int rate = sprite.blend_rate();
    const int method = sprite.draw_method();
    if (!sprite.has_alpha_map()) {
        if (rate == 255) {
            switch (method) {
            case 0: g->Copy(c.target, dx, dy, src, sx, sy, w, h); break;
            case 1: g->DrawAdd(c.target, dx, dy, src, sx, sy, w, h); break;
            case 2: g->DrawSub(c.target, dx, dy, src, sx, sy, w, h); break;
            case 3: g->DrawMul(c.target, dx, dy, src, sx, sy, w, h); break;
            default: break;  // nothing drawn, counted as opaque all the same
            }
            return true;
        }
        switch (method) {
        case 0: g->BlendRate(c.target, dx, dy, src, sx, sy, w, h, rate); break;
        case 1: g->DrawAddRate(c.target, dx, dy, src, sx, sy, w, h, rate); break;
        case 3: g->DrawMulRate(c.target, dx, dy, src, sx, sy, w, h, rate); break;
        default: break;
        }
        return false;
    }
    if (rate == 255) {
        if (method == 0) g->BlendAlphaMap(c.target, dx, dy, src, sx, sy, w, h);
        if (method == 1) g->DrawAddAlphaMap(c.target, dx, dy, src, sx, sy, w, h);
    } else {
        if (method == 0) g->BlendAlphaMapRate(c.target, dx, dy, src, sx, sy, w, h, rate);
        if (method == 1) g->DrawAddAlphaMapRate(c.target, dx, dy, src, sx, sy, w, h, rate);
    }
    return false;
}

}  // namespace

FillCounters compose(const CSpriteTable& table, const CompositionContext& c) {
    FillCounters counters;
    ISurface* target = c.target;
    const int64_t target_w = target->GetWidth(), target_h = target->GetHeight();
    const std::vector<CSprite*> list = drawing_order(table);

    // The wallpaper colour under everything; the wallpaper image reaches the screen only when a
    // script copies it into a sprite.
    const WallpaperColor& wall = table.wallpaper_color();
    c.graph->FillRect(target, 0, 0, int(target_w), int(target_h), wall.r, wall.g, wall.b);
    counters.opaque += target_w * target_h;

    for (CSprite* sprite : list) {
        const int64_t x = int64_t(sprite->x()) + c.view_x, y = int64_t(sprite->y()) + c.view_y;
        const int64_t w = sprite->surface() ? sprite->width() : target_w;
        const int64_t h = sprite->surface() ? sprite->height() : target_h;
        if (sprite->custom() && c.drawer)
            c.drawer->Draw(sprite->number(), target, int(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                           int(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX)), 0, 0, int(target_w), int(target_h),
                           sprite->blend_rate());
        Visible v;
        if (!clip_to_target(x, y, w, h, target_w, target_h, v)) continue;
        if (!sprite->surface()) continue;
        const bool opaque = draw_image(c, *sprite, v);
        (opaque ? counters.opaque : counters.blended) += v.w * v.h;
    }
    return counters;
}

}  // namespace vesperkit::sprites
