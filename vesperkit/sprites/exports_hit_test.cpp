// Whether a screen point lies on a sprite: its rectangle, and for an image with an alpha map, a
// pixel that is not fully transparent.
#include <cstdint>

#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"

namespace {

// The image for writing, as every pixel access of the engine takes it; null without one.
bool hit(int sprite, int x, int y, bool by_alpha) {
    CTarnEngine* engine = g_pTARN->m_pIEngine;
    ISurface* s = engine->GetSurfaceForWriting(sprite);
    if (!s) return false;
    const int64_t left = engine->GetPosX(sprite), top = engine->GetPosY(sprite);
    if (x < left || y < top || x >= left + s->GetWidth() || y >= top + s->GetHeight()) return false;
    if (!by_alpha || !s->HasAlphaMap()) return true;
    const uint8_t* p = s->GetPixelAddress(int(x - left), int(y - top));
    return p && p[3] != 0;
}

}  // namespace

int SP_IsPtIn(int sprite, int x, int y) {
    if (sprite < 1) {
        g_pTARN->m_pIErrorMessage->Open("SP_IsPtIn\nnSP=%d\nx=%d\ny=%d\n", sprite, x, y);
        return 0;
    }
    return vesperkit::guard_export(0, [&] { return hit(sprite, x, y, true) ? 1 : 0; });
}

int SP_IsPtInRect(int sprite, int x, int y) {
    if (sprite < 1) {
        g_pTARN->m_pIErrorMessage->Open("SP_IsPtInRect\nnSP=%d\nx=%d\ny=%d\n", sprite, x, y);
        return 0;
    }
    return vesperkit::guard_export(0, [&] { return hit(sprite, x, y, false) ? 1 : 0; });
}
