// Scene 6 (October): a flickering background with three kinds of floating sprites; the title
// slides in from the right.
#include <algorithm>

#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/scene_math.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {60, 61, 62, 63, 70, 71, 72, 73, 74, 75, kTitle};
constexpr int kBackgrounds = 60, kSprites = 70;

class OctoberScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    bool prepare(SceneSetup& setup) override {
        sprites_ = scene6_particles(setup.random);
        return true;
    }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;
        // Backgrounds 62 and 63 at the start and the end, 60 and 61 in between.
        const int flicker = int((t % 750) / 375);
        screen.copy(pictures[kBackgrounds + (t <= 4999 || t >= 8000 ? 2 + flicker : flicker)], 0, 0);
        for (const Particle& p : sprites_) {
            const Point at = particle_position(p, (t + uint32_t(p.phase)) % uint32_t(p.period));
            const uint32_t frame_index = t % uint32_t(p.frame_period) * 2 / uint32_t(p.frame_period);
            screen.blend_alpha(pictures[kSprites + p.kind + int(frame_index)], at.x, at.y);
        }
        const int x = std::max(1340 - int(t) * 1800 / 10000, centred_x(pictures.width(kTitle)));
        screen.blend_alpha(pictures[kTitle], x, centred_y(pictures.height(kTitle)));
    }

private:
    std::vector<Particle> sprites_;
};

}  // namespace

std::unique_ptr<Scene> make_october_scene() { return std::make_unique<OctoberScene>(); }

}  // namespace dawnsigil
