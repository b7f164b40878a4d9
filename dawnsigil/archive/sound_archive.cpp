#include "dawnsigil/archive/sound_archive.h"

#include "dawnsigil/archive/mrl_archive.h"

namespace dawnsigil::archive {

std::optional<std::vector<uint8_t>> read_sound_entry(const char* path, int index) {
    MrlArchive archive;
    if (index < 0 || archive.open(path) != OpenStatus::kOk) return std::nullopt;
    std::vector<uint8_t> bytes;
    if (!archive.read_entry(index, bytes)) return std::nullopt;
    return bytes;
}

}  // namespace dawnsigil::archive
