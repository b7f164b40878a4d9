// Scene 5 (June): rain over two figures; an overlay fades in halfway.
#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/titles.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {47, 48, 49, 50, 51, 52, 53, 54, 55, 56, kTitle};
constexpr int kBackground = 47, kOverlay = 56;

class RainScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    bool prepare(SceneSetup& setup) override {
        drops_ = scene5_particles(setup.random);
        return true;
    }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;
        screen.copy(pictures[kBackground], 0, 0);
        screen.blend_alpha(pictures[48 + int(((t % 500) / 250) | (t > 4999 ? 2 : 0))], 288, 139);
        screen.blend_alpha(pictures[52 + int((t % 800) / 400)], 109, 136);
        for (const Particle& p : drops_) {
            const Point at = particle_position(p, (t + uint32_t(p.phase)) % uint32_t(p.period));
            const uint32_t flicker = t % uint32_t(p.frame_period) * 2 / uint32_t(p.frame_period);
            screen.blend_alpha(pictures[54 + int(flicker)], at.x, at.y);
        }
        if (t >= 5000 && t < 6500)
            screen.blend_alpha(pictures[kOverlay], 0, 0, int(t - 5000) * 255 / 1500);
        else if (t >= 6500)
            screen.blend_alpha(pictures[kOverlay], 0, 0);
        draw_fading_title(t, frame);
    }

private:
    std::vector<Particle> drops_;
};

}  // namespace

std::unique_ptr<Scene> make_rain_scene() { return std::make_unique<RainScene>(); }

}  // namespace dawnsigil
