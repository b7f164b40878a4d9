#include "dawnsigil/frame_loop.h"

#include <optional>
#include <vector>

#include "dawnsigil/archive/sound_archive.h"
#include "dawnsigil/picture_set.h"
#include "dawnsigil/scenes/scene.h"
#include "dawnsigil/timeline.h"

namespace dawnsigil {
namespace {

void set_volume(Stage& stage) {
    if (stage.fade) stage.fade->Fade(0, logo_volume(stage.volume), false);
}

// The scene's sound is the entry of the same number in the sound archive. The channel keeps its
// own copy, so the bytes are freed as soon as it has them.
bool prepare_sound(int number, Stage& stage) {
    std::optional<std::vector<uint8_t>> wave = archive::read_sound_entry(archive::kSoundArchiveName, number);
    if (!wave) return false;
    auto* memory = static_cast<IMusicMemory*>(stage.channel.QueryFacet(IID_IMusicMemory));
    return memory && memory->PrepareFromMemory(wave->data(), static_cast<int>(wave->size()));
}

void white_screen(Screen& screen) {
    screen.fill(0, 0, kScreenWidth, kScreenHeight, 255, 255, 255);
    screen.present();
}

}  // namespace

void play_scene(int number, bool repeat, Stage& stage) {
    std::unique_ptr<Scene> scene = make_scene(number);
    if (!scene) return;
    if (scene->seeds_once()) stage.random.seed(1);

    PictureSet pictures;
    if (!pictures.load(scene->picture_numbers(), stage.pictures, stage.factory)) return;
    SceneSetup setup{stage.random, pictures, stage.factory, stage.graph};
    if (!scene->prepare(setup)) return;
    if (!prepare_sound(number, stage)) return;
    set_volume(stage);
    if (!stage.channel.Play()) return;

    Screen screen(stage.graph, stage.main_surface);
    SceneFrame frame{screen, pictures, stage.random};
    uint32_t start = stage.timer.Get();
    if (!stage.win_msg.Pump()) return;
    for (;;) {
        if (stage.keys.test(stage.keyboard)) break;
        uint32_t t = stage.timer.Get() - start;
        if (t >= kSceneLength) {
            if (!repeat) break;
            stage.channel.Stop();
            set_volume(stage);
            stage.channel.Play();
            start = stage.timer.Get();
            t = 0;
        }
        scene->draw(t, frame);
        if (std::optional<int> opacity = white_fade_opacity(t))
            screen.blend_fill(0, 0, kScreenWidth, kScreenHeight, 255, 255, 255, *opacity);
        set_volume(stage);
        screen.present();
        // Quitting leaves at once: the release steps of Run unprepare the channel.
        if (!stage.win_msg.Pump()) return;
    }
    stage.channel.Unprepare();
    white_screen(screen);
}

}  // namespace dawnsigil
