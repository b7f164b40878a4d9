#pragma once
// QNT pictures: 24-bit colour and an optional 8-bit alpha, each a zlib stream over an image padded
// to even width and height. The colour stream holds the three channels one after the other, each
// in 2 x 2 blocks (top-left, bottom-left, top-right, bottom-right), and every value is stored as
// its difference from a prediction: the left neighbour in the first row, the upper one in the
// first column, else the mean of both.
#include <cstdint>
#include <optional>
#include <span>

#include "dawnsigil/archive/decode_status.h"
#include "dawnsigil/archive/planes.h"

namespace dawnsigil::archive {

struct QntHeader {
    int32_t version = 0;
    uint32_t header_size = 0;  // offset of the colour stream
    int32_t x = 0, y = 0;      // read, not used
    int32_t width = 0, height = 0;
    int32_t bits_per_pixel = 0;
    int32_t pixel_size = 0;  // bytes of the colour stream
    int32_t alpha_size = 0;  // bytes of the alpha stream; 0 or less: none
    bool has_alpha() const { return alpha_size > 0; }
};

// Nothing for an entry shorter than its header or of a version other than 0, 1 or 2.
std::optional<QntHeader> parse_qnt_header(std::span<const uint8_t> entry);

// Whether the sizes and streams of a header with 24 bits per pixel fit the entry and the limits.
bool qnt_layout_ok(const QntHeader& header, size_t entry_size);

// Decodes the colour stream into `out` (fourth byte 255) and, when the header has alpha, the alpha
// stream into the fourth byte and into `alpha` when given. `out` (and `alpha`) must be the
// header's size. The header must have passed qnt_layout_ok.
DecodeStatus decode_qnt(std::span<const uint8_t> entry, const QntHeader& header, const Plane32& out,
                        const Plane8* alpha);

}  // namespace dawnsigil::archive
