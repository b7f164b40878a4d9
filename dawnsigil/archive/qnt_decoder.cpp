#include "dawnsigil/archive/qnt_decoder.h"

#include <cstring>
#include <vector>

#include "dawnsigil/archive/bytes.h"
#include "dawnsigil/archive/zlib_inflate.h"

namespace dawnsigil::archive {
namespace {

constexpr uint32_t kVersion0HeaderSize = 48;

// Undoes the prediction over a width x height plane, in place, modulo 256.
void unpredict(uint8_t* p, size_t width, size_t height) {
    for (size_t x = 1; x < width; ++x) p[x] = static_cast<uint8_t>(p[x - 1] - p[x]);
    for (size_t y = 1; y < height; ++y) {
        uint8_t* row = p + y * width;
        const uint8_t* up = row - width;
        row[0] = static_cast<uint8_t>(up[0] - row[0]);
        for (size_t x = 1; x < width; ++x) row[x] = static_cast<uint8_t>(((row[x - 1] + up[x]) >> 1) - row[x]);
    }
}

// One channel's 2 x 2 blocks into a row-major plane.
void unshuffle(const uint8_t* blocks, uint8_t* plane, size_t width, size_t height) {
    for (size_t y = 0; y < height; y += 2) {
        uint8_t* top = plane + y * width;
        uint8_t* bottom = top + width;
        for (size_t x = 0; x < width; x += 2, blocks += 4) {
            top[x] = blocks[0];
            bottom[x] = blocks[1];
            top[x + 1] = blocks[2];
            bottom[x + 1] = blocks[3];
        }
    }
}

}  // namespace

std::optional<QntHeader> parse_qnt_header(std::span<const uint8_t> e) {
    if (e.size() < 8) return std::nullopt;
    QntHeader h;
    h.version = read_i32(&e[4]);
    if (h.version < 0 || h.version > 2) return std::nullopt;
    const size_t base = h.version == 0 ? 8 : 12;
    if (e.size() < base + 32) return std::nullopt;
    h.header_size = h.version == 0 ? kVersion0HeaderSize : read_u32(&e[8]);
    h.x = read_i32(&e[base]);
    h.y = read_i32(&e[base + 4]);
    h.width = read_i32(&e[base + 8]);
    h.height = read_i32(&e[base + 12]);
    h.bits_per_pixel = read_i32(&e[base + 16]);
    h.pixel_size = read_i32(&e[base + 24]);
    h.alpha_size = read_i32(&e[base + 28]);
    return h;
}

bool qnt_layout_ok(const QntHeader& h, size_t entry_size) {
    if (h.bits_per_pixel != 24 || !picture_size_ok(h.width, h.height) || h.pixel_size <= 0) return false;
    const uint64_t streams_end = uint64_t(h.header_size) + uint64_t(h.pixel_size) + (h.has_alpha() ? h.alpha_size : 0);
    if (streams_end > entry_size) return false;
    const uint64_t padded = uint64_t((h.width + 1) & ~1) * uint64_t((h.height + 1) & ~1);
    return inflate_can_fill(h.pixel_size, padded * 3) && (!h.has_alpha() || inflate_can_fill(h.alpha_size, padded));
}

DecodeStatus decode_qnt(std::span<const uint8_t> entry, const QntHeader& h, const Plane32& out, const Plane8* alpha) {
    if (!qnt_layout_ok(h, entry.size()) || out.width != h.width || out.height != h.height ||
        (alpha && (alpha->width != h.width || alpha->height != h.height)))
        return {DecodeError::kMalformed, {}};
    const size_t w = size_t(h.width), ht = size_t(h.height);
    const size_t w2 = (w + 1) & ~size_t(1), h2 = (ht + 1) & ~size_t(1);
    const size_t plane_size = w2 * h2;

    std::vector<uint8_t> stream(plane_size * 3);
    DecodeStatus status = inflate_exact(entry.subspan(h.header_size, size_t(h.pixel_size)), stream);
    if (!status.ok()) return status;

    std::vector<uint8_t> plane(plane_size);
    for (size_t c = 0; c < 3; ++c) {
        unshuffle(stream.data() + c * plane_size, plane.data(), w2, h2);
        unpredict(plane.data(), w2, h2);
        for (size_t y = 0; y < ht; ++y) {
            uint8_t* px = out.row(int(y)) + c;
            const uint8_t* src = plane.data() + y * w2;
            for (size_t x = 0; x < w; ++x) px[x * 4] = src[x];
        }
    }
    for (size_t y = 0; y < ht; ++y) {
        uint8_t* px = out.row(int(y)) + 3;
        for (size_t x = 0; x < w; ++x) px[x * 4] = 255;
    }
    if (!h.has_alpha()) return status;

    const auto alpha_stream = entry.subspan(size_t(h.header_size) + size_t(h.pixel_size), size_t(h.alpha_size));
    status = inflate_exact(alpha_stream, plane);
    if (!status.ok()) return status;
    unpredict(plane.data(), w2, h2);
    for (size_t y = 0; y < ht; ++y) {
        const uint8_t* src = plane.data() + y * w2;
        uint8_t* px = out.row(int(y)) + 3;
        for (size_t x = 0; x < w; ++x) px[x * 4] = src[x];
        // The drawing library weighs pictures by their alpha plane where they have one.
        if (alpha) std::memcpy(alpha->row(int(y)), src, w);
    }
    return status;
}

}  // namespace dawnsigil::archive
