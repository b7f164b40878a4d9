#include "vesperkit/render/surface_8bpp.h"

#include <new>

#include "platform/faults.h"
#include "vesperkit/render/surface_limits.h"

namespace {
// Slack after the rows: room to round the start up to 8 bytes, and a little beyond the last row
// for readers that fetch a word at a time.
constexpr int64_t kSlackBytes = 40;
}  // namespace

int CSurface8bpp::Release() {
    if (--ref_count_ > 0) return ref_count_;
    free();
    return 0;
}

void CSurface8bpp::free() {
    buffer_.reset();
    data_ = nullptr;
    width_ = height_ = pitch_ = 0;
}

bool CSurface8bpp::Create(int width, int height) {
    free();
    if (width <= 0 || height <= 0) return false;
    const int64_t pitch = (int64_t(width) + 15) & ~int64_t(15);
    if (!vesperkit::render::fits_surface_limit(pitch, height)) return false;
    if (platform::should_fail("Vesperkit.CSurface8bpp.Create")) return false;
    buffer_.reset(new (std::nothrow) uint8_t[pitch * height + kSlackBytes]());
    if (!buffer_) return false;
    const auto start = reinterpret_cast<uintptr_t>(buffer_.get());
    data_ = buffer_.get() + ((start + 7) / 8 * 8 - start);
    width_ = width;
    height_ = height;
    pitch_ = static_cast<int>(pitch);
    return true;
}

uint8_t* CSurface8bpp::GetPixelAddress(int x, int y) {
    if (!data_ || x < 0 || y < 0 || x >= pitch_ || y >= height_) return nullptr;
    return data_ + static_cast<size_t>(y) * pitch_ + x;
}
