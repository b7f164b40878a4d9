#include "dawnsigil/archive/picture_type.h"

namespace dawnsigil::archive {

PictureType picture_type(std::span<const uint8_t> e) {
    if (e.size() >= 3 && e[0] == 'Q' && e[1] == 'N' && e[2] == 'T') return PictureType::kQnt;
    if (e.size() >= 2 && e[0] == 'P' && e[1] == 'M') return PictureType::kPms;
    if (e.size() >= 2 && e[0] == 'B' && e[1] == 'M') return PictureType::kBitmap;
    if (e.size() >= 2 && e[0] == 0xFF && e[1] == 0xD8) return PictureType::kJpeg;
    return PictureType::kNone;
}

}  // namespace dawnsigil::archive
