// Scene 8 (4 February to 3 March): two lamps pulse once a second, their glows every 2.5 s, and two
// figures move.
#include <cmath>

#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/scene_math.h"
#include "dawnsigil/scenes/titles.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 80, 81, 93, 94, kTitle};
constexpr int kBackground = 82;

float wave(uint32_t t, uint32_t period) {
    return std::sin(2.0f * 3.1415927f * float(t % period) / float(period));
}

class LampScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;
        screen.copy(pictures[kBackground], 0, 0);

        const int lamp = 127 + trunc_int(127 * wave(t, 1000));
        screen.copy(pictures[83], 25, 173);
        screen.blend(pictures[84], 25, 173, lamp);
        screen.copy(pictures[85], 568, 173);
        screen.blend(pictures[86], 568, 173, lamp);

        const int glow = 191 + trunc_int(64 * wave(t, 2500));
        screen.blend_alpha(pictures[87], 0, 132, glow);
        screen.blend_alpha(pictures[88], 529, 132, glow);

        const bool second_half = (t / 375) % 2 == 1;
        const bool later = t > 4999;
        screen.blend_alpha(pictures[later ? (second_half ? 92 : 90) : (second_half ? 91 : 89)], 351, 135);
        screen.blend_alpha(pictures[later ? (second_half ? 94 : 93) : (second_half ? 81 : 80)], 190, 302);
        draw_converging_title(t, frame);
    }
};

}  // namespace

std::unique_ptr<Scene> make_lamp_scene() { return std::make_unique<LampScene>(); }

}  // namespace dawnsigil
