#pragma once
// Little-endian fields of the archive and picture headers.
#include <cstdint>

namespace dawnsigil::archive {

inline uint32_t read_u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline int32_t read_i32(const uint8_t* p) { return static_cast<int32_t>(read_u32(p)); }

}  // namespace dawnsigil::archive
