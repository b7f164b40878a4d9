#pragma once
// What kind of picture an entry holds, told by its first bytes. The numbers are the ones the
// invalid-format message shows.
#include <cstdint>
#include <span>

namespace dawnsigil::archive {

enum class PictureType : int { kNone = 0, kPms = 1, kQnt = 2, kBitmap = 3, kJpeg = 4 };

PictureType picture_type(std::span<const uint8_t> entry);

}  // namespace dawnsigil::archive
