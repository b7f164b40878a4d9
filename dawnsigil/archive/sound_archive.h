#pragma once
// The logo's sound archive, opened, read and closed for each sound. Every failure is silent: a
// missing archive only means the logo has no sound to play.
#include <cstdint>
#include <optional>
#include <vector>

namespace dawnsigil::archive {

inline constexpr const char* kSoundArchiveName = "DawnsigilWave.mrl";

// The whole entry, or nothing for a missing or damaged archive or an index outside its table.
std::optional<std::vector<uint8_t>> read_sound_entry(const char* path, int index);

}  // namespace dawnsigil::archive
