#include "host/surface.h"

#include <cstring>
#include <new>

namespace host {
namespace {
// Pitches are rounded up to four bytes, as DIB lines are.
int pitch_of(int width, int bits_per_pixel) { return int(((int64_t(width) * bits_per_pixel + 31) / 32) * 4); }

// Keeps a surface's bytes well inside what an int pitch and size can address.
constexpr int64_t kMaxSurfaceBytes = int64_t(1) << 30;
}  // namespace

Surface* Surface::create(int width, int height, int bpp, bool with_alpha, const char* name) {
    if (width <= 0 || height <= 0) return nullptr;
    if (bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return nullptr;
    const int64_t pitch = ((int64_t(width) * bpp + 31) / 32) * 4;
    if (pitch * height > kMaxSurfaceBytes || int64_t(width) * height > kMaxSurfaceBytes) return nullptr;  // 64-bit: no overflow
    return new (std::nothrow) Surface(width, height, bpp, with_alpha, name);
}

Surface::Surface(int width, int height, int bpp, bool with_alpha, const char* name)
    : RefCounted(name), width_(width), height_(height), bpp_(bpp), pitch_(pitch_of(width, bpp)),
      alpha_pitch_(with_alpha ? pitch_of(width, 8) : 0),
      pixels_(size_t(pitch_) * height, 0),
      alpha_(with_alpha ? size_t(alpha_pitch_) * height : 0, 0) {}

uint8_t* Surface::GetPixelAddress(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return pixels_.data() + size_t(y) * pitch_ + size_t(x) * (bpp_ / 8);
}

uint8_t* Surface::GetAlphaAddress(int x, int y) {
    if (alpha_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return alpha_.data() + size_t(y) * alpha_pitch_ + x;
}

MainSurface::MainSurface(int width, int height, int bpp)
    : HostOwned("IMainSurface"), width_(width), height_(height), bpp_(bpp), pitch_(pitch_of(width, bpp)),
      pixels_(size_t(pitch_) * height, 0), window_(pixels_.size(), 0) {}

uint8_t* MainSurface::GetPixelAddress(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return pixels_.data() + size_t(y) * pitch_ + size_t(x) * (bpp_ / 8);
}

void MainSurface::Present(int x, int y, int width, int height) {
    ++presents_;
    present_rectangle(x, y, width, height);
    if (on_present) on_present();
}

void MainSurface::present_rectangle(int x, int y, int width, int height) {
    // Clip the rectangle to the surface; what lies outside never reaches the window.
    int x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
    int64_t x1 = int64_t(x) + width, y1 = int64_t(y) + height;
    if (x1 > width_) x1 = width_;
    if (y1 > height_) y1 = height_;
    if (x0 >= x1 || y0 >= y1) return;
    const size_t bytes = size_t(x1 - x0) * (bpp_ / 8);
    for (int64_t row = y0; row < y1; ++row) {
        const size_t at = size_t(row) * pitch_ + size_t(x0) * (bpp_ / 8);
        std::memcpy(window_.data() + at, pixels_.data() + at, bytes);
    }
}

}  // namespace host
