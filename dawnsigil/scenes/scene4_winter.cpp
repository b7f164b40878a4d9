// Scene 4 (winter): snow in eight sizes falls while the logo circles, then shakes.
#include <array>
#include <cmath>

#include "dawnsigil/message.h"
#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/scene_math.h"
#include "dawnsigil/scenes/titles.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {24, 25, 26, 27, kTitle, 28, 43};
constexpr int kBackground = 28, kSnowflake = 43;
constexpr int kFlakeSizes = 8;  // squares of 20, 22, ..., 34 pixels

class WinterScene : public Scene {
public:
    ~WinterScene() override {
        for (ISurface* flake : flakes_)
            if (flake) flake->Release();
    }

    std::span<const int> picture_numbers() const override { return kPictures; }

    bool prepare(SceneSetup& setup) override {
        ISurface* source = setup.pictures[kSnowflake];
        const float sw = float(setup.pictures.width(kSnowflake)), sh = float(setup.pictures.height(kSnowflake));
        for (int i = 0; i < kFlakeSizes; ++i) {
            const int size = 20 + 2 * i;
            flakes_[i] = setup.factory.CreateWithAlpha(size, size, 32);
            if (!flakes_[i]) {
                show_message("サーフェス(%d, %d, %d)の作成に失敗しました", size, size, 32);
                return false;
            }
            const float s = float(size);
            setup.graph.StretchCopy(flakes_[i], 0, 0, s, s, source, 0, 0, sw, sh);
            setup.graph.StretchCopyAlpha(flakes_[i], 0, 0, s, s, source, 0, 0, sw, sh);
        }
        snow_ = scene4_particles(setup.random);
        return true;
    }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        screen.copy(frame.pictures[kBackground], 0, 0);

        if (t >= 3600 && t < 4800) {
            screen.blend_alpha(frame.pictures[27 - int((t / 150) & 3)], 0, 0);
        } else {
            const float a = radians(float(t * 360 / 1200));
            screen.blend_alpha(frame.pictures[27 - int((t / 300) & 3)], trunc_int(32 * std::cos(a)),
                               trunc_int(8 * std::sin(a)));
        }

        for (const Particle& p : snow_) {
            const Point at = particle_position(p, (t + 8000) % uint32_t(p.period));
            screen.blend_alpha(flakes_[p.kind], at.x, at.y);
        }
        draw_fading_title(t, frame);
    }

private:
    std::array<ISurface*, kFlakeSizes> flakes_{};
    std::vector<Particle> snow_;
};

}  // namespace

std::unique_ptr<Scene> make_winter_scene() { return std::make_unique<WinterScene>(); }

}  // namespace dawnsigil
