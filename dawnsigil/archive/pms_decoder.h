#pragma once
// PMS pictures: 8-bit paletted or 16-bit (5-6-5) colour, run-length coded row by row, with an
// optional 8-bit alpha stream coded like the 8-bit pictures.
//
// The codes fill a row from its start; a run may overrun the row's end into the start of the next
// row, which the next row then overwrites, and copies read the rows above at the same position.
// The decoders follow that exactly inside the picture, and fail on anything that would leave it:
// a stream that ends before the last row is full, a run past the end of the last row, a copy from
// above the first row or from left of the first column.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "dawnsigil/archive/planes.h"

namespace dawnsigil::archive {

struct PmsHeader {
    int bits_per_pixel = 0;  // 8 or 16 are decoded
    int32_t width = 0, height = 0;
    uint32_t pixel_offset = 0;  // of the code stream, from the start of the entry
    uint32_t aux_offset = 0;    // 8 bits: the palette; 16 bits: the alpha stream, 0 for none
};

inline constexpr size_t kPmsHeaderSize = 40;
inline constexpr size_t kPaletteSize = 768;  // 256 entries of 3 bytes, kept as stored

// Nothing for an entry shorter than the header.
std::optional<PmsHeader> parse_pms_header(std::span<const uint8_t> entry);

// Whether the size, the code stream and the auxiliary block fit the entry and the limits.
bool pms_layout_ok(const PmsHeader& header, size_t entry_size);

// Code streams run to the end of whatever holds them; decoding stops when the last row is full.
bool decode_pms8(std::span<const uint8_t> codes, const Plane8& out);
bool decode_pms16(std::span<const uint8_t> codes, const Plane32& out);

// A 5-6-5 value as blue, green, red with the low bits repeated from the high ones.
inline void pms16_to_bgr(uint16_t v, uint8_t* bgr) {
    const unsigned r = v >> 11, g = (v >> 5) & 63, b = v & 31;
    bgr[0] = static_cast<uint8_t>(b << 3 | b >> 2);
    bgr[1] = static_cast<uint8_t>(g << 2 | g >> 4);
    bgr[2] = static_cast<uint8_t>(r << 3 | r >> 2);
}

}  // namespace dawnsigil::archive
