// Scene 3 (September, November): a slow zoom into the background, leaves that sway as they fall,
// and a title that grows out of a line.
#include <cmath>

#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/scene_math.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {18, 19, 20, 21, kTitle, 22, 38, 39, 40, 41};
constexpr int kBackground = 22;
constexpr int kLeafFrames = 38;  // + 1 for the second flutter frame, + 2 for the far side of the sway

class AutumnScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    bool prepare(SceneSetup& setup) override {
        leaves_ = scene3_particles(setup.random);
        return true;
    }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;

        // The visible part of the background shrinks to half its size over ten seconds.
        const float w0 = 800.0f - 400.0f * float(t) / 10000.0f;
        const float h0 = 600.0f - 300.0f * float(t) / 10000.0f;
        screen.stretch_copy(pictures[kBackground], 0, 0, 800, 600, (800.0f - w0) / 2, (600.0f - h0) / 2, w0, h0);

        const bool odd = (t / 350) % 2 == 1;
        screen.blend_alpha(pictures[t < 6650 ? (odd ? 20 : 19) : (odd ? 21 : 18)], 0, 0);

        for (size_t k = 0; k < leaves_.size(); ++k) {
            const Particle& p = leaves_[k];
            const int a = int((t * 1440 / 10000 + 30 * k) % 360);
            const int64_t f = (t + 15000) % uint32_t(p.period);
            const Point base = particle_position(p, f);
            const int x = base.x + trunc_int(96 * std::cos(radians(float(a))));
            const int y = base.y + trunc_int(16 * std::sin(radians(float(a < 180 ? a : a - 180))));
            const int leaf = kLeafFrames + ((f % 1000 > 499 ? 1 : 0) | (a > 179 ? 2 : 0));
            screen.blend_alpha(pictures[leaf], x, y);
        }

        const int tw = pictures.width(kTitle), th = pictures.height(kTitle);
        if (t >= 7000 && t < 8000) {
            const int k = int(t) - 7000;
            const int w = 800 - (800 - tw) * k / 1000;
            const int h = k * th / 1000;
            screen.stretch_blend_alpha(pictures[kTitle], centred_x(w), centred_y(h), w, h);
        } else if (t >= 8000) {
            screen.blend_alpha(pictures[kTitle], centred_x(tw), centred_y(th));
        }
    }

private:
    std::vector<Particle> leaves_;
};

}  // namespace

std::unique_ptr<Scene> make_autumn_scene() { return std::make_unique<AutumnScene>(); }

}  // namespace dawnsigil
