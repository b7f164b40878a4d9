#include "dawnsigil/scenes/titles.h"

#include "dawnsigil/scenes/scene_math.h"

namespace dawnsigil {

void draw_converging_title(uint32_t t, SceneFrame& frame) {
    ISurface* title = frame.pictures[kTitle];
    const int x = centred_x(frame.pictures.width(kTitle)), y = centred_y(frame.pictures.height(kTitle));
    if (t >= 6000 && t < 7000) {
        const int k = int(t) - 6000;
        const int opacity = k * 255 / 1000;
        const int gap = 32 - k * 32 / 1000;
        frame.screen.blend_alpha(title, x - gap, y, opacity);
        frame.screen.blend_alpha(title, x + gap, y, opacity);
    } else if (t >= 7000) {
        frame.screen.blend_alpha(title, x, y);
    }
}

void draw_fading_title(uint32_t t, SceneFrame& frame) {
    ISurface* title = frame.pictures[kTitle];
    const int x = centred_x(frame.pictures.width(kTitle)), y = centred_y(frame.pictures.height(kTitle));
    if (t >= 7000 && t < 8000)
        frame.screen.blend_alpha(title, x, y, (int(t) - 7000) * 255 / 1000);
    else if (t >= 8000)
        frame.screen.blend_alpha(title, x, y);
}

}  // namespace dawnsigil
