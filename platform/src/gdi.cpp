#include "platform/gdi.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <set>

#include "platform/faults.h"

namespace platform::gdi {

// A DIB section's bytes stay well inside what an int pitch and a size can address.
constexpr int64_t kMaxBitmapBytes = int64_t(1) << 30;

struct BitmapObject {
    int width = 0;
    int height = 0;  // rows, always positive
    bool top_down = false;
    int bits_per_pixel = 0;
    int64_t stride = 0;  // bytes per row
    std::unique_ptr<uint8_t[]> bytes;
    RgbQuad palette[256] = {};
    int palette_size = 0;
    uint32_t masks[3] = {};  // red, green, blue of a 16-bit bitmap
    BitmapInfoHeader header;
    DeviceContextObject* selected_in = nullptr;
    bool stock = false;

    uint8_t* row(int64_t y) const { return bytes.get() + (top_down ? y : height - 1 - y) * stride; }
};

struct DeviceContextObject {
    bool memory = false;
    WindowHandle window = nullptr;  // window device contexts
    BitmapObject* bitmap = nullptr;  // memory device contexts: the selected bitmap
};

namespace {

struct Registry {
    std::mutex mutex;
    std::set<DeviceContextObject*> device_contexts;
    std::set<BitmapObject*> bitmaps;
    std::map<WindowHandle, WindowImage*> images;
    BitmapObject stock;

    Registry() {
        // A fresh memory device context holds a 1 × 1 bitmap until something else is selected.
        stock.width = stock.height = 1;
        stock.top_down = true;
        stock.bits_per_pixel = 32;
        stock.stride = 4;
        stock.bytes.reset(new uint8_t[4]());
        stock.stock = true;
    }
    bool valid(DeviceContextObject* dc) const { return dc && device_contexts.count(dc) != 0; }
    bool valid(BitmapObject* bitmap) const { return bitmap && (bitmap == &stock || bitmaps.count(bitmap) != 0); }
};

Registry& registry() {
    static Registry* r = new Registry;  // outlives every static that might still hold a handle
    return *r;
}

// A readable or writable rectangle of pixels: a bitmap or a window image.
struct Canvas {
    const BitmapObject* bitmap = nullptr;
    WindowImage* image = nullptr;
    int width = 0, height = 0, bits_per_pixel = 0;

    uint8_t* row(int64_t y) const { return bitmap ? bitmap->row(y) : image->row(static_cast<int>(y)); }
};

bool canvas_of(Registry& r, DeviceContextObject* dc, Canvas& canvas) {
    if (dc->memory) {
        canvas.bitmap = dc->bitmap;
        canvas.width = dc->bitmap->width;
        canvas.height = dc->bitmap->height;
        canvas.bits_per_pixel = dc->bitmap->bits_per_pixel;
        return true;
    }
    auto it = r.images.find(dc->window);
    if (it == r.images.end() || !it->second) return false;
    canvas.image = it->second;
    canvas.width = it->second->width();
    canvas.height = it->second->height();
    canvas.bits_per_pixel = 32;
    return true;
}

// A 16-bit channel scaled to 8 bits, and back, with rounding to the nearest value.
int channel_to_8(uint32_t value, uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t max = mask >> shift;
    return static_cast<int>((((value & mask) >> shift) * 255 + max / 2) / max);
}

uint32_t channel_from_8(int value, uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t max = mask >> shift;
    return ((static_cast<uint32_t>(value) * max + 127) / 255) << shift & mask;
}

// 0x00RRGGBB of a pixel.
uint32_t read_pixel(const Canvas& c, const uint8_t* p) {
    switch (c.bits_per_pixel) {
    case 32:
    case 24: return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    case 16: {
        const uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8;
        const uint32_t* m = c.bitmap->masks;
        return uint32_t(channel_to_8(v, m[0])) << 16 | uint32_t(channel_to_8(v, m[1])) << 8 |
               uint32_t(channel_to_8(v, m[2]));
    }
    default: {
        if (*p >= c.bitmap->palette_size) return 0;
        const RgbQuad& q = c.bitmap->palette[*p];
        return uint32_t(q.red) << 16 | uint32_t(q.green) << 8 | q.blue;
    }
    }
}

uint8_t nearest_index(const BitmapObject& b, uint32_t rgb) {
    int best = 0;
    long best_distance = -1;
    for (int i = 0; i < b.palette_size; ++i) {
        const long dr = long(rgb >> 16 & 0xFF) - b.palette[i].red;
        const long dg = long(rgb >> 8 & 0xFF) - b.palette[i].green;
        const long db = long(rgb & 0xFF) - b.palette[i].blue;
        const long d = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || d < best_distance) best = i, best_distance = d;
    }
    return static_cast<uint8_t>(best);
}

void write_pixel(const Canvas& c, uint8_t* p, uint32_t rgb) {
    switch (c.bits_per_pixel) {
    case 32: p[3] = 0; [[fallthrough]];
    case 24:
        p[0] = rgb & 0xFF;
        p[1] = rgb >> 8 & 0xFF;
        p[2] = rgb >> 16 & 0xFF;
        return;
    case 16: {
        const uint32_t* m = c.bitmap->masks;
        const uint32_t v = channel_from_8(rgb >> 16 & 0xFF, m[0]) | channel_from_8(rgb >> 8 & 0xFF, m[1]) |
                           channel_from_8(rgb & 0xFF, m[2]);
        p[0] = v & 0xFF;
        p[1] = v >> 8 & 0xFF;
        return;
    }
    default: *p = nearest_index(*c.bitmap, rgb); return;
    }
}

// Rows copy as bytes when both sides store pixels alike.
bool same_format(const Canvas& a, const Canvas& b) {
    if (a.bits_per_pixel != b.bits_per_pixel) return false;
    if (a.bits_per_pixel == 16) return std::equal(a.bitmap->masks, a.bitmap->masks + 3, b.bitmap->masks);
    if (a.bits_per_pixel == 8)
        return a.bitmap->palette_size == b.bitmap->palette_size &&
               std::memcmp(a.bitmap->palette, b.bitmap->palette, sizeof(RgbQuad) * a.bitmap->palette_size) == 0;
    return true;
}

bool valid_format(const BitmapInfoHeader& h) {
    switch (h.bit_count) {
    case 8:
    case 24:
    case 32: return h.compression == kBiRgb;
    case 16: return h.compression == kBiRgb || h.compression == kBiBitfields;
    default: return false;
    }
}

}  // namespace

WindowImage::WindowImage(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), bytes_(size_t(width_) * height_ * 4, 0) {}

uint32_t WindowImage::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* p = row(y) + size_t(x) * 4;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

void attach_window_image(WindowHandle window, WindowImage* image) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (image)
        r.images[window] = image;
    else
        r.images.erase(window);
}

DeviceContext get_dc(WindowHandle window) {
    if (should_fail("gdi.GetDC")) return nullptr;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (window && !r.images.count(window) && window_process_id(window) == 0) return nullptr;
    auto* dc = new (std::nothrow) DeviceContextObject;
    if (!dc) return nullptr;
    dc->window = window;
    r.device_contexts.insert(dc);
    return dc;
}

int release_dc(WindowHandle window, DeviceContext dc) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(dc) || dc->memory || dc->window != window) return 0;
    r.device_contexts.erase(dc);
    delete dc;
    return 1;
}

DeviceContext create_compatible_dc(DeviceContext dc) {
    if (should_fail("gdi.CreateCompatibleDC")) return nullptr;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (dc && !r.valid(dc)) return nullptr;
    auto* memory = new (std::nothrow) DeviceContextObject;
    if (!memory) return nullptr;
    memory->memory = true;
    memory->bitmap = &r.stock;
    r.device_contexts.insert(memory);
    return memory;
}

bool delete_dc(DeviceContext dc) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(dc) || !dc->memory) return false;
    if (!dc->bitmap->stock) dc->bitmap->selected_in = nullptr;
    r.device_contexts.erase(dc);
    delete dc;
    return true;
}

Bitmap create_dib_section(DeviceContext dc, const BitmapInfo* info, unsigned usage, void** bits) {
    if (bits) *bits = nullptr;
    if (should_fail("gdi.CreateDIBSection")) return nullptr;
    if (!info || usage != kDibRgbColors) return nullptr;
    const BitmapInfoHeader& h = info->header;
    if (h.size < sizeof(BitmapInfoHeader) || h.planes != 1 || !valid_format(h)) return nullptr;
    if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) return nullptr;
    if (h.bit_count == 8 && h.colors_used > 256) return nullptr;
    const int64_t rows = h.height < 0 ? -int64_t(h.height) : int64_t(h.height);
    const int64_t stride = (int64_t(h.width) * h.bit_count + 31) / 32 * 4;
    if (stride > kMaxBitmapBytes || stride * rows > kMaxBitmapBytes) return nullptr;

    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (dc && !r.valid(dc)) return nullptr;
    auto bitmap = std::unique_ptr<BitmapObject>(new (std::nothrow) BitmapObject);
    if (!bitmap) return nullptr;
    bitmap->bytes.reset(new (std::nothrow) uint8_t[stride * rows]());
    if (!bitmap->bytes) return nullptr;
    bitmap->width = h.width;
    bitmap->height = static_cast<int>(rows);
    bitmap->top_down = h.height < 0;
    bitmap->bits_per_pixel = h.bit_count;
    bitmap->stride = stride;
    bitmap->header = h;
    if (h.bit_count == 8) {
        bitmap->palette_size = h.colors_used ? static_cast<int>(h.colors_used) : 256;
        std::copy(info->colors, info->colors + bitmap->palette_size, bitmap->palette);
    } else if (h.bit_count == 16 && h.compression == kBiBitfields) {
        std::memcpy(bitmap->masks, info->colors, sizeof bitmap->masks);
        if (!bitmap->masks[0] || !bitmap->masks[1] || !bitmap->masks[2]) return nullptr;
    } else if (h.bit_count == 16) {
        bitmap->masks[0] = 0x7C00;
        bitmap->masks[1] = 0x03E0;
        bitmap->masks[2] = 0x001F;
    }
    if (bits) *bits = bitmap->bytes.get();
    r.bitmaps.insert(bitmap.get());
    return bitmap.release();
}

bool get_dib_header(Bitmap bitmap, BitmapInfoHeader& header) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(bitmap) || bitmap->stock) return false;
    header = bitmap->header;
    return true;
}

Bitmap select_object(DeviceContext dc, Bitmap bitmap) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(dc) || !dc->memory || !r.valid(bitmap)) return nullptr;
    if (!bitmap->stock && bitmap->selected_in && bitmap->selected_in != dc) return nullptr;
    BitmapObject* previous = dc->bitmap;
    if (!previous->stock) previous->selected_in = nullptr;
    dc->bitmap = bitmap;
    if (!bitmap->stock) bitmap->selected_in = dc;
    return previous;
}

bool delete_object(Bitmap bitmap) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(bitmap)) return false;
    if (bitmap->stock) return true;
    if (bitmap->selected_in) return false;
    r.bitmaps.erase(bitmap);
    delete bitmap;
    return true;
}

bool bit_blt(DeviceContext destination, int x, int y, int width, int height, DeviceContext source, int source_x,
             int source_y, uint32_t rop) {
    if (rop != kSrcCopy) return false;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.valid(destination) || !r.valid(source)) return false;
    Canvas from, to;
    if (!canvas_of(r, source, from)) return false;
    // A window without an image shows what it is given without keeping it.
    if (!canvas_of(r, destination, to)) return !destination->memory;

    // Clip to both sides in 64 bits: origins and extents come from callers unchecked.
    int64_t dx = x, dy = y, sx = source_x, sy = source_y, w = width, h = height;
    if (sx < 0) dx -= sx, w += sx, sx = 0;
    if (sy < 0) dy -= sy, h += sy, sy = 0;
    if (dx < 0) sx -= dx, w += dx, dx = 0;
    if (dy < 0) sy -= dy, h += dy, dy = 0;
    w = std::min({w, from.width - sx, to.width - dx});
    h = std::min({h, from.height - sy, to.height - dy});
    if (w <= 0 || h <= 0) return true;

    const int from_bytes = from.bits_per_pixel / 8, to_bytes = to.bits_per_pixel / 8;
    const bool copy_rows = same_format(from, to);
    for (int64_t row = 0; row < h; ++row) {
        const uint8_t* s = from.row(sy + row) + sx * from_bytes;
        uint8_t* d = to.row(dy + row) + dx * to_bytes;
        if (copy_rows) {
            std::memmove(d, s, static_cast<size_t>(w * to_bytes));
            continue;
        }
        for (int64_t col = 0; col < w; ++col) write_pixel(to, d + col * to_bytes, read_pixel(from, s + col * from_bytes));
    }
    return true;
}

int live_device_contexts() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    return static_cast<int>(r.device_contexts.size());
}

int live_bitmaps() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    return static_cast<int>(r.bitmaps.size());
}

}  // namespace platform::gdi
