#pragma once
// The GDI-shaped drawing seam: device contexts, DIB sections, selection of a bitmap into a memory
// device context, and bit-block copies between device contexts.
//
// A window's device context draws into the window image that the window's owner (the host)
// attached to it, which is what the player would see and what tests read. The desktop window
// (null) and a window without an image have device contexts too: DIB sections can be made against
// them, and what is copied onto them is not kept.
//
// Handles are checked on every call: a handle that was never made or was already deleted is
// refused (false or null), never followed.
//
// Fault points: "gdi.GetDC", "gdi.CreateDIBSection", "gdi.CreateCompatibleDC".
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/window.h"

namespace platform::gdi {

struct DeviceContextObject;
struct BitmapObject;
using DeviceContext = DeviceContextObject*;  // HDC
using Bitmap = BitmapObject*;                // HBITMAP

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr unsigned kDibRgbColors = 0;
constexpr uint32_t kSrcCopy = 0x00CC0020;

// BITMAPINFOHEADER, field for field (40 bytes).
struct BitmapInfoHeader {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows run top-down
    uint16_t planes = 1;
    uint16_t bit_count = 0;
    uint32_t compression = kBiRgb;
    uint32_t size_image = 0;
    int32_t x_pels_per_meter = 0;
    int32_t y_pels_per_meter = 0;
    uint32_t colors_used = 0;
    uint32_t colors_important = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

struct RgbQuad {
    uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

// BITMAPINFO with room for a full colour table. For BI_BITFIELDS the first three entries hold the
// red, green and blue masks as 32-bit values, as Windows reads them.
struct BitmapInfo {
    BitmapInfoHeader header;
    RgbQuad colors[256];
};

// What a window shows: 32-bit pixels (blue, green, red, unused), rows top-down, pitch width × 4.
class WindowImage {
public:
    WindowImage(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return width_ * 4; }
    uint8_t* row(int y) { return bytes_.data() + static_cast<size_t>(y) * pitch(); }
    const uint8_t* row(int y) const { return bytes_.data() + static_cast<size_t>(y) * pitch(); }
    // The pixel as 0x00RRGGBB.
    uint32_t pixel(int x, int y) const;

private:
    int width_, height_;
    std::vector<uint8_t> bytes_;
};

// The owner of a window says where its device context draws; null detaches. The image must stay
// alive until it is detached.
void attach_window_image(WindowHandle window, WindowImage* image);

// GetDC / ReleaseDC. Null window: the desktop. A window nobody registered or gave an image: null.
DeviceContext get_dc(WindowHandle window);
int release_dc(WindowHandle window, DeviceContext dc);

// CreateCompatibleDC / DeleteDC. A new memory device context holds a 1 × 1 stock bitmap until a
// bitmap is selected into it.
DeviceContext create_compatible_dc(DeviceContext dc);
bool delete_dc(DeviceContext dc);

// CreateDIBSection with DIB_RGB_COLORS: 8 (with a colour table), 16 (BI_RGB 5-5-5 or BI_BITFIELDS),
// 24 and 32 bits per pixel, zero-filled rows of ((width × bits + 31) / 32) × 4 bytes. Null for
// anything else, for a non-positive size and for a byte count beyond the cap.
Bitmap create_dib_section(DeviceContext dc, const BitmapInfo* info, unsigned usage, void** bits);
// GetObject of a DIB section: the header it was made with.
bool get_dib_header(Bitmap bitmap, BitmapInfoHeader& header);

// SelectObject: the bitmap selected before, or null when the bitmap cannot be selected (it is
// selected into another device context, or a handle is not valid).
Bitmap select_object(DeviceContext dc, Bitmap bitmap);
// DeleteObject: false while the bitmap is selected into a device context.
bool delete_object(Bitmap bitmap);

// BitBlt with SRCCOPY, clipped to both the source and the destination. Pixels are converted between
// the depths of the two sides; an 8-bit destination takes the nearest entry of its colour table.
bool bit_blt(DeviceContext destination, int x, int y, int width, int height, DeviceContext source, int source_x,
             int source_y, uint32_t rop);

// Live objects, for tests that look for leaks.
int live_device_contexts();
int live_bitmaps();

}  // namespace platform::gdi
