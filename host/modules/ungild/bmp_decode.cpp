// BMP files, read by hand: 1, 4 and 8 bits with a colour table, 16 and 32 bits with or without bit
// masks, 24 bits; rows bottom-up or top-down. Compressed (run-length) files are not supported.
// Every size, offset and count in the file is checked against the bytes there are before use.
#include <bit>
#include <cstring>

#include "host/surface.h"
#include "image_decoders.h"

namespace host::codec {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;

uint32_t u16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t u32(const uint8_t* p) { return u16(p) | u16(p + 2) << 16; }
int32_t i32(const uint8_t* p) { return static_cast<int32_t>(u32(p)); }

struct Layout {
    int64_t width = 0, height = 0;  // height positive; top_down says the row order
    bool top_down = false;
    int bits = 0;
    uint32_t compression = kBiRgb;
    uint32_t masks[4] = {};  // red, green, blue, alpha
    uint8_t palette[256][4] = {};  // blue, green, red, unused
    size_t palette_size = 0;
    size_t pixels_at = 0;
    size_t stride = 0;
};

// A channel under its mask, scaled to 8 bits with rounding.
uint8_t channel(uint32_t value, uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const uint64_t max = mask >> shift;
    return static_cast<uint8_t>((uint64_t((value & mask) >> shift) * 255 + max / 2) / max);
}

bool read_layout(const uint8_t* data, size_t size, Layout& l) {
    if (size < kFileHeaderBytes + 4) return false;
    const uint32_t header_bytes = u32(data + kFileHeaderBytes);
    if (header_bytes != 12 && header_bytes != 40 && header_bytes != 52 && header_bytes != 56 && header_bytes != 108 &&
        header_bytes != 124)
        return false;
    if (size - kFileHeaderBytes < header_bytes) return false;
    const uint8_t* h = data + kFileHeaderBytes;
    size_t after_header = kFileHeaderBytes + header_bytes;
    size_t entry_bytes = 4;
    uint32_t colors_used = 0;
    int64_t height = 0;
    if (header_bytes == 12) {  // the old core header: 16-bit sizes, three-byte colour entries
        l.width = u16(h + 4);
        height = u16(h + 6);
        if (u16(h + 8) != 1) return false;
        l.bits = int(u16(h + 10));
        entry_bytes = 3;
    } else {
        l.width = i32(h + 4);
        height = i32(h + 8);
        if (u16(h + 12) != 1) return false;
        l.bits = int(u16(h + 14));
        l.compression = u32(h + 16);
        colors_used = u32(h + 32);
    }
    l.top_down = height < 0;
    l.height = height < 0 ? -height : height;
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxImageSide || l.height > kMaxImageSide ||
        uint64_t(l.width) * uint64_t(l.height) > kMaxImagePixels)
        return false;

    switch (l.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (l.compression != kBiRgb) return false;
        break;
    case 16:
    case 32:
        if (l.compression != kBiRgb && l.compression != kBiBitfields && l.compression != kBiAlphaBitfields)
            return false;
        break;
    default: return false;
    }

    if (l.compression == kBiBitfields || l.compression == kBiAlphaBitfields) {
        // Masks sit in the larger headers, or follow the 40-byte one.
        const size_t count = l.compression == kBiAlphaBitfields ? 4 : 3;
        const uint8_t* masks = h + 40;
        if (header_bytes == 40) {
            if (size - after_header < count * 4) return false;
            after_header += count * 4;
        }
        for (size_t i = 0; i < count; ++i) l.masks[i] = u32(masks + i * 4);
        if (header_bytes >= 56) l.masks[3] = u32(h + 52);
        if (!l.masks[0] || !l.masks[1] || !l.masks[2]) return false;
    } else if (l.bits == 16) {
        l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
    } else if (l.bits == 32 && header_bytes >= 56) {
        l.masks[3] = u32(h + 52);  // an alpha mask is honoured even beside plain BI_RGB colours
    }

    if (l.bits <= 8) {
        const size_t most = size_t(1) << l.bits;
        l.palette_size = colors_used ? colors_used : most;
        if (l.palette_size > most) return false;
        if ((size - after_header) / entry_bytes < l.palette_size) return false;
        for (size_t i = 0; i < l.palette_size; ++i) std::memcpy(l.palette[i], data + after_header + i * entry_bytes, 3);
    }

    l.pixels_at = u32(data + 10);
    const uint64_t stride = (uint64_t(l.width) * uint64_t(l.bits) + 31) / 32 * 4;
    l.stride = size_t(stride);
    if (l.pixels_at > size || (size - l.pixels_at) / stride < uint64_t(l.height)) return false;  // truncated
    return true;
}

const uint8_t* source_row(const uint8_t* data, const Layout& l, int64_t y) {
    const int64_t stored = l.top_down ? y : l.height - 1 - y;
    return data + l.pixels_at + size_t(stored) * l.stride;
}

// A 32-bit file without an alpha mask has transparency when any fourth byte is set; files whose
// fourth bytes are all zero are opaque.
bool has_fourth_bytes(const uint8_t* data, const Layout& l) {
    for (int64_t y = 0; y < l.height; ++y) {
        const uint8_t* row = source_row(data, l, y);
        for (int64_t x = 0; x < l.width; ++x)
            if (row[x * 4 + 3]) return true;
    }
    return false;
}

void decode_row(const uint8_t* in, uint8_t* out, const Layout& l, bool keep_fourth_byte) {
    for (int64_t x = 0; x < l.width; ++x, out += 4) {
        switch (l.bits) {
        case 1:
        case 4:
        case 8: {
            const size_t per_byte = 8 / size_t(l.bits);
            const size_t byte = in[size_t(x) / per_byte];
            const size_t shift = (per_byte - 1 - size_t(x) % per_byte) * size_t(l.bits);
            const size_t index = (byte >> shift) & ((size_t(1) << l.bits) - 1);
            if (index < l.palette_size) std::memcpy(out, l.palette[index], 3);
            else out[0] = out[1] = out[2] = 0;  // an index beyond the table shows black
            out[3] = 255;
            break;
        }
        case 24:
            std::memcpy(out, in + x * 3, 3);
            out[3] = 255;
            break;
        default: {
            const uint32_t v = l.bits == 16 ? u16(in + x * 2) : u32(in + x * 4);
            if (l.bits == 32 && l.compression == kBiRgb && !l.masks[3]) {
                std::memcpy(out, in + x * 4, 4);
                if (!keep_fourth_byte) out[3] = 255;
                break;
            }
            out[0] = channel(v, l.masks[2]);
            out[1] = channel(v, l.masks[1]);
            out[2] = channel(v, l.masks[0]);
            out[3] = l.masks[3] ? channel(v, l.masks[3]) : 255;
        }
        }
    }
}

}  // namespace

bool is_bmp(const uint8_t* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }

ISurface* decode_bmp(const uint8_t* data, size_t size) {
    Layout layout;
    if (!read_layout(data, size, layout)) return nullptr;
    const bool plain_32 = layout.bits == 32 && layout.compression == kBiRgb && !layout.masks[3];
    const bool alpha = layout.masks[3] != 0 || (plain_32 && has_fourth_bytes(data, layout));
    Surface* surface = Surface::create(int(layout.width), int(layout.height), 32, alpha);
    if (!surface) return nullptr;
    for (int64_t y = 0; y < layout.height; ++y)
        decode_row(source_row(data, layout, y), surface->GetPixelAddress(0, int(y)), layout, alpha);
    copy_fourth_bytes_to_alpha(surface);
    return surface;
}

}  // namespace host::codec
