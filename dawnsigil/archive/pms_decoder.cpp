#include "dawnsigil/archive/pms_decoder.h"

#include <cstring>
#include <vector>

#include "dawnsigil/archive/bytes.h"

namespace dawnsigil::archive {
namespace {

// The picture as one run of width x height values, rows one after the other: the decoder's view
// of a plane whose pitch is its width. Writing at `row_start + count` and moving on by the width
// when a row is full gives the overrun behaviour; every index is checked against the picture.
template <class Value>
class RowWriter {
public:
    RowWriter(size_t width, size_t height) : width_(width), values_(width * height) {}

    bool done() const { return row_start_ >= values_.size(); }
    size_t column() const { return count_; }
    bool put(Value v) {
        const size_t at = row_start_ + count_;
        if (at >= values_.size()) return false;
        values_[at] = v;
        ++count_;
        return true;
    }
    // One value from `back` values before the next one; it must lie inside the picture.
    bool copy(size_t back) {
        const size_t at = row_start_ + count_;
        if (back == 0 || at < back) return false;
        return put(values_[at - back]);
    }
    // After each code: a row that is full (or overrun) moves the writer to the next row's start.
    void end_code() {
        if (count_ >= width_) row_start_ += width_, count_ = 0;
    }
    const std::vector<Value>& values() const { return values_; }

private:
    size_t width_;
    size_t row_start_ = 0;
    size_t count_ = 0;
    std::vector<Value> values_;
};

// Reads the bytes that follow a code, failing when the stream ends first.
class Codes {
public:
    explicit Codes(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool next(uint8_t& b) {
        if (at_ >= bytes_.size()) return false;
        b = bytes_[at_++];
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

// One code of the 8-bit method; false when the picture or the stream cannot hold it.
bool decode_code8(Codes& in, RowWriter<uint8_t>& out, size_t width) {
    uint8_t c, n, a, b;
    if (!in.next(c)) return false;
    if (c < 0xF8) return out.put(c);
    switch (c) {
    case 0xF8:
        return in.next(a) && out.put(a);
    case 0xFC:  // a pair, n + 3 times
        if (!in.next(n) || !in.next(a) || !in.next(b)) return false;
        for (int i = 0; i < n + 3; ++i)
            if (!out.put(a) || !out.put(b)) return false;
        return true;
    case 0xFD:  // a byte, n + 4 times
        if (!in.next(n) || !in.next(a)) return false;
        for (int i = 0; i < n + 4; ++i)
            if (!out.put(a)) return false;
        return true;
    case 0xFE:  // n + 3 bytes from two rows up
    case 0xFF:  // n + 3 bytes from the row above
        if (!in.next(n)) return false;
        for (int i = 0; i < n + 3; ++i)
            if (!out.copy(c == 0xFE ? 2 * width : width)) return false;
        return true;
    default:  // 0xF9 to 0xFB write nothing
        return true;
    }
}

// Upper bits from `base`, lower bits from `b`: red 3 + 2, green 2 + 4, blue 3 + 2.
uint16_t compose(uint8_t base, uint8_t b) {
    const unsigned r = (base >> 5 & 7) << 2 | (b >> 6 & 3);
    const unsigned g = (base >> 3 & 3) << 4 | (b >> 2 & 15);
    const unsigned bl = (base & 7) << 2 | (b & 3);
    return static_cast<uint16_t>(r << 11 | g << 5 | bl);
}

bool read_pixel(Codes& in, uint16_t& v) {
    uint8_t l, h;
    if (!in.next(l) || !in.next(h)) return false;
    v = static_cast<uint16_t>(l | h << 8);
    return true;
}

bool decode_code16(Codes& in, RowWriter<uint16_t>& out, size_t width) {
    uint8_t c, n, h, base, b;
    uint16_t v, v2;
    if (!in.next(c)) return false;
    if (c < 0xF8) return in.next(h) && out.put(static_cast<uint16_t>(c | h << 8));
    switch (c) {
    case 0xF8:
        return read_pixel(in, v) && out.put(v);
    case 0xF9:  // n + 1 pixels sharing their upper bits
        if (!in.next(n) || !in.next(base)) return false;
        for (int i = 0; i < n + 1; ++i)
            if (!in.next(b) || !out.put(compose(base, b))) return false;
        return true;
    case 0xFA:  // from the row above, one to the right
        return out.copy(width - 1);
    case 0xFB:  // from the row above, one to the left, which the first column does not have
        return out.column() != 0 && out.copy(width + 1);
    case 0xFC:  // a pair, n + 2 times
        if (!in.next(n) || !read_pixel(in, v) || !read_pixel(in, v2)) return false;
        for (int i = 0; i < n + 2; ++i)
            if (!out.put(v) || !out.put(v2)) return false;
        return true;
    case 0xFD:  // a pixel, n + 3 times
        if (!in.next(n) || !read_pixel(in, v)) return false;
        for (int i = 0; i < n + 3; ++i)
            if (!out.put(v)) return false;
        return true;
    default:  // 0xFE: n + 2 pixels from two rows up; 0xFF: from the row above
        if (!in.next(n)) return false;
        for (int i = 0; i < n + 2; ++i)
            if (!out.copy(c == 0xFE ? 2 * width : width)) return false;
        return true;
    }
}

bool plane_ok(int64_t width, int64_t height, ptrdiff_t pitch, int bytes_per_pixel, const void* base) {
    return base && picture_size_ok(width, height) && pitch >= width * bytes_per_pixel;
}

}  // namespace

std::optional<PmsHeader> parse_pms_header(std::span<const uint8_t> e) {
    if (e.size() < kPmsHeaderSize) return std::nullopt;
    PmsHeader h;
    h.bits_per_pixel = e[6];
    h.width = read_i32(&e[24]);
    h.height = read_i32(&e[28]);
    h.pixel_offset = read_u32(&e[32]);
    h.aux_offset = read_u32(&e[36]);
    return h;
}

namespace {
// No code makes more than 129 values per byte it takes (0xFE and 0xFF: 2 bytes, up to 258 values),
// so a stream shorter than this cannot fill the picture; it is refused before anything is
// allocated for it.
bool stream_can_fill(uint64_t stream_bytes, uint64_t values) { return values <= stream_bytes * 130; }
}  // namespace

bool pms_layout_ok(const PmsHeader& h, size_t entry_size) {
    if (!picture_size_ok(h.width, h.height) || h.pixel_offset >= entry_size) return false;
    const uint64_t pixels = uint64_t(h.width) * uint64_t(h.height);
    if (!stream_can_fill(entry_size - h.pixel_offset, pixels)) return false;
    if (h.bits_per_pixel == 8) return uint64_t(h.aux_offset) + kPaletteSize <= entry_size;
    return h.aux_offset == 0 || (h.aux_offset < entry_size && stream_can_fill(entry_size - h.aux_offset, pixels));
}

bool decode_pms8(std::span<const uint8_t> codes, const Plane8& out) {
    if (!plane_ok(out.width, out.height, out.pitch, 1, out.bytes)) return false;
    const size_t w = size_t(out.width);
    RowWriter<uint8_t> rows(w, size_t(out.height));
    Codes in(codes);
    while (!rows.done()) {
        if (!decode_code8(in, rows, w)) return false;
        rows.end_code();
    }
    for (int y = 0; y < out.height; ++y) std::memcpy(out.row(y), rows.values().data() + size_t(y) * w, w);
    return true;
}

bool decode_pms16(std::span<const uint8_t> codes, const Plane32& out) {
    if (!plane_ok(out.width, out.height, out.pitch, 4, out.pixels)) return false;
    const size_t w = size_t(out.width);
    RowWriter<uint16_t> rows(w, size_t(out.height));
    Codes in(codes);
    while (!rows.done()) {
        if (!decode_code16(in, rows, w)) return false;
        rows.end_code();
    }
    for (int y = 0; y < out.height; ++y) {
        uint8_t* px = out.row(y);
        const uint16_t* v = rows.values().data() + size_t(y) * w;
        for (size_t x = 0; x < w; ++x, px += 4) {
            pms16_to_bgr(v[x], px);
            px[3] = 255;
        }
    }
    return true;
}

}  // namespace dawnsigil::archive
