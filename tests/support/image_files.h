#pragma once
// Image files for tests, written independently of the decoder and encoder under test: BMP by hand
// in several layouts, PNG through libpng's simplified interface (link PNG::PNG), and surfaces read
// back as plain pixel lists.
#include <png.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "interfaces/surface.h"

namespace test_support {

// Pixels as 0xAARRGGBB, rows top-down.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;

    uint32_t at(int x, int y) const { return argb[size_t(y) * width + x]; }
    friend bool operator==(const Pixels&, const Pixels&) = default;
};

// A seeded pattern: smooth gradients with noise and, when asked, alpha values biased to 0 and 255.
inline Pixels pattern(int width, int height, uint32_t seed, bool with_alpha) {
    Pixels p{width, height, std::vector<uint32_t>(size_t(width) * height)};
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t r = (x * 255 / std::max(width - 1, 1) + random() % 16) & 0xFF;
            const uint32_t g = (y * 255 / std::max(height - 1, 1) + random() % 16) & 0xFF;
            const uint32_t b = random() & 0xFF;
            uint32_t a = 0xFF;
            if (with_alpha) {
                const uint32_t pick = random() % 4;
                a = pick == 0 ? 0 : pick == 1 ? 255 : random() & 0xFF;
            }
            p.argb[size_t(y) * width + x] = a << 24 | r << 16 | g << 8 | b;
        }
    return p;
}

inline Pixels solid(int width, int height, uint32_t argb) {
    return Pixels{width, height, std::vector<uint32_t>(size_t(width) * height, argb)};
}

// The pixels of a 32-bit surface (the fourth byte as alpha).
inline Pixels read_pixels(ISurface* s) {
    Pixels p{s->GetWidth(), s->GetHeight(), {}};
    p.argb.reserve(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const uint8_t* row = s->GetPixelAddress(0, y);
        for (int x = 0; x < p.width; ++x) {
            const uint8_t* q = row + x * 4;
            p.argb.push_back(uint32_t(q[3]) << 24 | uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0]);
        }
    }
    return p;
}

// The alpha map of a surface as a pixel list with only the alpha set (empty without a map).
inline std::vector<uint8_t> read_alpha_map(ISurface* s) {
    std::vector<uint8_t> out;
    if (!s->HasAlphaMap()) return out;
    for (int y = 0; y < s->GetHeight(); ++y) {
        const uint8_t* row = s->GetAlphaAddress(0, y);
        out.insert(out.end(), row, row + s->GetWidth());
    }
    return out;
}

// Writes pixels into a 32-bit surface (the fourth byte and, when there is one, the alpha map).
inline void write_pixels(ISurface* s, const Pixels& p) {
    for (int y = 0; y < p.height; ++y) {
        uint8_t* row = s->GetPixelAddress(0, y);
        uint8_t* alpha = s->HasAlphaMap() ? s->GetAlphaAddress(0, y) : nullptr;
        for (int x = 0; x < p.width; ++x) {
            const uint32_t v = p.at(x, y);
            row[x * 4 + 0] = v & 0xFF;
            row[x * 4 + 1] = v >> 8 & 0xFF;
            row[x * 4 + 2] = v >> 16 & 0xFF;
            row[x * 4 + 3] = v >> 24;
            if (alpha) alpha[x] = v >> 24;
        }
    }
}

inline Pixels opaque(Pixels p) {
    for (auto& v : p.argb) v |= 0xFF000000u;
    return p;
}

namespace bmp_detail {
inline void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8 & 0xFF);
}
inline void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
}  // namespace bmp_detail

enum class BmpLayout {
    k24,             // BI_RGB, 40-byte header
    k32,             // BI_RGB, fourth byte = alpha
    k32AlphaMask,    // BI_BITFIELDS with a 124-byte header naming an alpha mask
    k16Bitfields565, // BI_BITFIELDS after a 40-byte header
    k8Palette,       // BI_RGB with a colour table of the image's colours (at most 256)
    k1Palette,       // two colours
};

// A BMP file of the pixels; rows bottom-up unless top_down.
inline std::vector<uint8_t> bmp_file(const Pixels& p, BmpLayout layout, bool top_down = false) {
    using namespace bmp_detail;
    int bits = 24;
    uint32_t compression = 0, header = 40;
    std::vector<uint32_t> masks;
    std::vector<uint32_t> palette;
    std::map<uint32_t, uint32_t> index;
    switch (layout) {
    case BmpLayout::k24: break;
    case BmpLayout::k32: bits = 32; break;
    case BmpLayout::k32AlphaMask:
        bits = 32, compression = 3, header = 124;
        break;
    case BmpLayout::k16Bitfields565:
        bits = 16, compression = 3, masks = {0xF800, 0x07E0, 0x001F};
        break;
    case BmpLayout::k8Palette:
    case BmpLayout::k1Palette:
        bits = layout == BmpLayout::k8Palette ? 8 : 1;
        for (uint32_t v : p.argb)
            if (!index.count(v & 0xFFFFFF)) {
                index[v & 0xFFFFFF] = uint32_t(palette.size());
                palette.push_back(v & 0xFFFFFF);
            }
        break;
    }
    const uint32_t stride = (uint32_t(p.width) * bits + 31) / 32 * 4;
    const uint32_t table = uint32_t(masks.size() * 4 + palette.size() * 4);
    const uint32_t offset = 14 + header + table;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + stride * p.height);
    put32(out, 0);
    put32(out, offset);
    put32(out, header);
    put32(out, uint32_t(p.width));
    put32(out, uint32_t(top_down ? -p.height : p.height));
    put16(out, 1);
    put16(out, uint32_t(bits));
    put32(out, compression);
    put32(out, stride * p.height);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, uint32_t(palette.size()));
    put32(out, 0);
    if (header == 124) {
        for (uint32_t m : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) put32(out, m);
        put32(out, 0x73524742);  // 'sRGB'
        out.resize(out.size() + 124 - 60, 0);
    }
    for (uint32_t m : masks) put32(out, m);
    for (uint32_t c : palette) put32(out, c);
    for (int row = 0; row < p.height; ++row) {
        const int y = top_down ? row : p.height - 1 - row;
        std::vector<uint8_t> line(stride, 0);
        for (int x = 0; x < p.width; ++x) {
            const uint32_t v = p.at(x, y);
            switch (bits) {
            case 32:
                line[x * 4 + 0] = v & 0xFF, line[x * 4 + 1] = v >> 8 & 0xFF, line[x * 4 + 2] = v >> 16 & 0xFF;
                line[x * 4 + 3] = v >> 24;
                break;
            case 24: line[x * 3 + 0] = v & 0xFF, line[x * 3 + 1] = v >> 8 & 0xFF, line[x * 3 + 2] = v >> 16 & 0xFF; break;
            case 16: {
                const uint32_t w = (v >> 19 & 0x1F) << 11 | (v >> 10 & 0x3F) << 5 | (v >> 3 & 0x1F);
                line[x * 2] = w & 0xFF, line[x * 2 + 1] = w >> 8;
                break;
            }
            case 8: line[x] = uint8_t(index[v & 0xFFFFFF]); break;
            case 1:
                if (index[v & 0xFFFFFF]) line[x / 8] |= uint8_t(0x80 >> (x % 8));
                break;
            }
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

// A PNG file of the pixels: RGBA when with_alpha, RGB otherwise.
inline std::vector<uint8_t> png_file(const Pixels& p, bool with_alpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(p.width);
    image.height = uint32_t(p.height);
    image.format = with_alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<uint8_t> bgra;
    for (uint32_t v : p.argb) {
        bgra.push_back(v & 0xFF);
        bgra.push_back(v >> 8 & 0xFF);
        bgra.push_back(v >> 16 & 0xFF);
        if (with_alpha) bgra.push_back(v >> 24);
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, bgra.data(), 0, nullptr)) return {};
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, bgra.data(), 0, nullptr)) return {};
    out.resize(size);
    return out;
}

inline bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

inline std::vector<uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace test_support
