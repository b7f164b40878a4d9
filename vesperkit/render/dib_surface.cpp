#include "vesperkit/render/dib_surface.h"

#include <climits>
#include <cstring>

#include "vesperkit/render/surface_limits.h"

namespace gdi = platform::gdi;

void CDIBSurface::free() {
    if (memory_dc_) {
        if (replaced_bitmap_) gdi::select_object(memory_dc_, replaced_bitmap_);
        gdi::delete_dc(memory_dc_);
    }
    if (bitmap_) gdi::delete_object(bitmap_);
    created_ = false;
    width_ = height_ = bits_per_pixel_ = bytes_per_pixel_ = pitch_ = 0;
    bitmap_ = nullptr;
    bits_ = nullptr;
    memory_dc_ = nullptr;
    replaced_bitmap_ = nullptr;
    window_ = nullptr;
}

bool CDIBSurface::Create(WindowHandle window, int width, int height, int bits_per_pixel) {
    free();
    if (bits_per_pixel != 8 && bits_per_pixel != 16 && bits_per_pixel != 24 && bits_per_pixel != 32) return false;
    if (width <= 0 || height <= 0) return false;
    const int bytes_per_pixel = bits_per_pixel / 8;
    const int64_t pitch = (int64_t(width) * bytes_per_pixel + 15) & ~int64_t(15);
    if (!vesperkit::render::fits_surface_limit(pitch, int64_t(height) + 1)) return false;

    gdi::BitmapInfo info;
    info.header.width = static_cast<int32_t>(pitch / bytes_per_pixel);
    info.header.height = -(height + 1);  // top-down, with a spare row below the image
    info.header.bit_count = static_cast<uint16_t>(bits_per_pixel);
    if (bits_per_pixel == 8) {
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<uint8_t>(i);
            info.colors[i] = {v, v, v, 0};  // a grey ramp
        }
    } else if (bits_per_pixel == 16) {
        info.header.compression = gdi::kBiBitfields;
        const uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};
        static_assert(sizeof masks == 3 * sizeof(gdi::RgbQuad));
        std::memcpy(info.colors, masks, sizeof masks);
    }

    gdi::DeviceContext window_dc = gdi::get_dc(window);
    if (!window_dc) return false;
    void* bits = nullptr;
    gdi::Bitmap bitmap = gdi::create_dib_section(window_dc, &info, gdi::kDibRgbColors, &bits);
    if (!bitmap) {
        gdi::release_dc(window, window_dc);
        return false;
    }
    gdi::DeviceContext memory_dc = gdi::create_compatible_dc(window_dc);
    if (!memory_dc) {
        gdi::release_dc(window, window_dc);
        gdi::delete_object(bitmap);
        return false;
    }
    replaced_bitmap_ = gdi::select_object(memory_dc, bitmap);
    gdi::release_dc(window, window_dc);

    bitmap_ = bitmap;
    bits_ = static_cast<uint8_t*>(bits);
    memory_dc_ = memory_dc;
    window_ = window;
    width_ = width;
    height_ = height;
    bits_per_pixel_ = bits_per_pixel;
    bytes_per_pixel_ = bytes_per_pixel;
    pitch_ = static_cast<int>(pitch);
    created_ = true;
    return true;
}

uint8_t* CDIBSurface::GetPixelAddress(int x, int y) {
    if (!created_) return nullptr;
    // Anywhere inside the section, the spare row included; nothing outside it.
    if (x < 0 || y < 0 || x >= pitch_ / bytes_per_pixel_ || y > height_) return nullptr;
    return bits_ + static_cast<size_t>(y) * pitch_ + static_cast<size_t>(x) * bytes_per_pixel_;
}

void CDIBSurface::Present(int x, int y, int width, int height) {
    if (!created_ || width <= 0 || height <= 0) return;
    // The offset moves the destination only; a sum beyond the int range lands nowhere.
    const int64_t to_x = int64_t(x) + present_x_, to_y = int64_t(y) + present_y_;
    if (to_x < INT_MIN || to_x > INT_MAX || to_y < INT_MIN || to_y > INT_MAX) return;
    gdi::DeviceContext window_dc = gdi::get_dc(window_);
    if (!window_dc) return;
    gdi::bit_blt(window_dc, int(to_x), int(to_y), width, height, memory_dc_, x, y, gdi::kSrcCopy);
    gdi::release_dc(window_, window_dc);
}
