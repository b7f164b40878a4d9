#include "dawnsigil/archive/zlib_inflate.h"

#include <zlib.h>

#include <climits>

namespace dawnsigil::archive {

DecodeStatus inflate_exact(std::span<const uint8_t> in, std::span<uint8_t> out) {
    if (in.size() > UINT_MAX || out.size() > UINT_MAX) return {DecodeError::kMalformed, {}};
    z_stream z{};
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (inflateInit(&z) != Z_OK) return {DecodeError::kInflateInit, {}};
    const int result = inflate(&z, Z_NO_FLUSH);
    DecodeStatus status;
    if (result != Z_OK && result != Z_STREAM_END)
        status = {DecodeError::kInflate, z.msg ? z.msg : zError(result)};
    else if (z.avail_out != 0)
        status = {DecodeError::kMalformed, {}};
    if (inflateEnd(&z) != Z_OK && status.ok()) status = {DecodeError::kInflateEnd, {}};
    return status;
}

}  // namespace dawnsigil::archive
