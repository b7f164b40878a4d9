#pragma once
// The parts of a scene's timeline every scene shares: eleven seconds, a white fade-in over the
// first 1.5 s and a fade-out to white over the last 2.5 s, and the sound's volume.
#include <cstdint>
#include <optional>

#include "interfaces/host.h"

namespace dawnsigil {

inline constexpr uint32_t kSceneLength = 11000;  // ms
inline constexpr uint32_t kFadeInEnd = 1500;
inline constexpr uint32_t kFadeOutStart = 8500;

// The opacity of the white drawn over the whole screen at t ms, or nothing between the fades.
inline std::optional<int> white_fade_opacity(uint32_t t) {
    if (t < kFadeInEnd) return static_cast<int>(255 - t * 255 / kFadeInEnd);
    if (t >= kFadeOutStart) return static_cast<int>((t - kFadeOutStart) * 255 / (kSceneLength - kFadeOutStart));
    return std::nullopt;
}

// The logo's sound plays at the music group's volume under the master's, silent when either is
// muted: percent.
inline int logo_volume(IVolumeValancer& groups) {
    if (groups.GetMute(0) || groups.GetMute(1)) return 0;
    return groups.GetVolume(1) * groups.GetVolume(0) / 100;
}

}  // namespace dawnsigil
