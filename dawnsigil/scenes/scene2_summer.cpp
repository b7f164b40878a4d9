// Scene 2 (summer): a pulsing overlay, sparkles that jump every 300 ms, and the logo crossing the
// screen from the right with the title following it.
#include <algorithm>

#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/scene_math.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {4, 5, 6, 7, 44, kTitle, 30, 31, 32};
constexpr int kBackground = 30, kOverlay = 31, kSparkle = 32;
constexpr int kLogoSequence[] = {44, 5, 44, 7};

class SummerScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }
    bool seeds_once() const override { return false; }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;
        screen.copy(pictures[kBackground], 0, 0);

        const int g = int(t % 2000);
        screen.blend(pictures[kOverlay], 0, 0, g < 1000 ? g * 255 / 1000 : 255 - (g - 1000) * 255 / 1000);

        // The same seed for 300 ms keeps the sparkles in place that long.
        frame.random.seed(t / 300);
        const int sw = pictures.width(kSparkle), sh = pictures.height(kSparkle);
        for (int k = 0; k < 32; ++k) {
            const int x = frame.random.next() % (sw + 800) - sw;
            const int y = frame.random.next() % (sh + 600) - sh;
            screen.blend_alpha(pictures[kSparkle], x, y, int((t + 8 * k) & 127));
        }

        const int logo_x = 800 - int(t) * 1800 / 10000;
        const uint32_t step = t / 200;
        screen.blend_alpha(pictures[step == 24 ? 4 : kLogoSequence[step & 3]], logo_x, 0);

        const int title_x = std::max(logo_x + 540, centred_x(pictures.width(kTitle)));
        screen.blend_alpha(pictures[kTitle], title_x, centred_y(pictures.height(kTitle)));
    }
};

}  // namespace

std::unique_ptr<Scene> make_summer_scene() { return std::make_unique<SummerScene>(); }

}  // namespace dawnsigil
