#pragma once
// The two ways scenes bring in the title (picture 45).
#include <cstdint>

#include "dawnsigil/scenes/scene.h"

namespace dawnsigil {

// From 6 s two copies converge on the centre from 32 pixels either side while fading in; from 7 s
// one copy stands centred (scenes 1 and 8).
void draw_converging_title(uint32_t t, SceneFrame& frame);

// Fades in centred from 7 s to 8 s, then stays (scenes 4, 5 and 7).
void draw_fading_title(uint32_t t, SceneFrame& frame);

}  // namespace dawnsigil
