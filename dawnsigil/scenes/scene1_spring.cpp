// Scene 1 (spring): petals drift across the background while the logo flickers.
#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/titles.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {0, 1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 17, kTitle};
constexpr int kBackground = 17;
constexpr int kPetalFrames = 8;  // pictures 8 to 15

class SpringScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    bool prepare(SceneSetup& setup) override {
        petals_ = scene1_particles(setup.random);
        return true;
    }

    void draw(uint32_t t, SceneFrame& frame) override {
        frame.screen.copy(frame.pictures[kBackground], 0, 0);
        const bool odd = (t / 400) % 2 == 1;
        const bool calm = t < 5000 || (t >= 7600 && t < 8400);
        frame.screen.blend_alpha(frame.pictures[calm ? (odd ? 0 : 3) : (odd ? 1 : 2)], 0, 0);
        for (const Particle& p : petals_) {
            const int64_t f = (t + 8000) % uint32_t(p.period);
            const Point at = particle_position(p, f);
            frame.screen.blend_alpha(frame.pictures[8 + int(f * kPetalFrames / p.period)], at.x, at.y);
        }
        draw_converging_title(t, frame);
    }

private:
    std::vector<Particle> petals_;
};

}  // namespace

std::unique_ptr<Scene> make_spring_scene() { return std::make_unique<SpringScene>(); }

}  // namespace dawnsigil
