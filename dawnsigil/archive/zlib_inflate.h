#pragma once
// One zlib stream inflated in one call into a buffer of the size the picture header promises.
#include <cstdint>
#include <span>

#include "dawnsigil/archive/decode_status.h"

namespace dawnsigil::archive {

// Fills `out` exactly. A stream that holds more is cut at the buffer's end, as a one-shot inflate
// does; one that ends before the buffer is full is malformed, so a picture never shows bytes that
// were never decoded.
DecodeStatus inflate_exact(std::span<const uint8_t> in, std::span<uint8_t> out);

// No zlib stream expands its input more than about 1032 times; an output larger than this bound
// cannot come from `in_size` bytes, so it is refused before any buffer is allocated.
inline bool inflate_can_fill(uint64_t in_size, uint64_t out_size) { return out_size <= (in_size + 1) * 1100; }

}  // namespace dawnsigil::archive
