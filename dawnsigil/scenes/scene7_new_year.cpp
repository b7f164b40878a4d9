// Scene 7 (1 to 7 January): a picture rises from behind the lower white band while two figures
// move.
#include "dawnsigil/scenes/scene_factories.h"
#include "dawnsigil/scenes/titles.h"

namespace dawnsigil {
namespace {

constexpr int kPictures[] = {106, 100, 101, 102, 103, 104, 105, kTitle};
constexpr int kRising = 106;
constexpr int kHorizon = 428;  // the white band below this row hides the rising picture

// The figure's two pictures at t and when their alternation started.
struct FigureSpan {
    uint32_t start;
    int first, second;
};

FigureSpan figure_span(uint32_t t) {
    if (t < 5000) return {0, 101, 103};
    if (t < 5750) return {5000, 100, 103};
    if (t < 8000) return {5750, 101, 103};
    if (t < 8750) return {8000, 100, 103};
    return {8750, 101, 103};
}

class NewYearScene : public Scene {
public:
    std::span<const int> picture_numbers() const override { return kPictures; }

    void draw(uint32_t t, SceneFrame& frame) override {
        Screen& screen = frame.screen;
        const PictureSet& pictures = frame.pictures;
        screen.fill(0, 0, 800, kHorizon, 255, 255, 255);
        screen.blend_alpha(pictures[kRising], 224, t <= 4999 ? kHorizon - int(t) * 347 / 5000 : 81);
        screen.fill(0, kHorizon, 800, 600 - kHorizon, 255, 255, 255);
        const FigureSpan span = figure_span(t);
        screen.blend_alpha(pictures[(t - span.start) % 750 < 375 ? span.first : span.second], 298, 78);
        screen.blend_alpha(pictures[104 + int((t % 750) / 375)], 204, 258);
        draw_fading_title(t, frame);
    }
};

}  // namespace

std::unique_ptr<Scene> make_new_year_scene() { return std::make_unique<NewYearScene>(); }

}  // namespace dawnsigil
