#pragma once
// PNG encoding of a surface of the shared layout.
#include <cstdint>
#include <vector>

#include "interfaces/surface.h"

namespace host::codec {

// 32-bit surfaces with an alpha map become RGBA (alpha from the fourth byte, as the decoder reads
// it back), others RGB; 24-bit surfaces RGB. False for any other depth or a libpng failure.
bool encode_png(ISurface* surface, std::vector<uint8_t>& out);

}  // namespace host::codec
