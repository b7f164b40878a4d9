#include <gtest/gtest.h>

#include "fixtures/logo_rig.h"
#include "fixtures/qnt_encoder.h"
#include "support/exported_symbols.h"

namespace {

using namespace dawnsigil_fixtures;

// Pictures each scene loads (scene 4 also makes eight snowflakes).
constexpr int kScenePictures[] = {0, 14, 9, 10, 7 + 8, 11, 11, 8, 16};

const std::vector<std::string> kReleaseSteps = {"Chimewell2.Unprepare 0", "Release ISound2", "Release ILogoGraph",
                                                "Release ISurfaceFactory"};

// The last events are the release steps of Run, in order.
void expect_release_steps_last() {
    const std::vector<std::string> all = host::events();
    ASSERT_GE(all.size(), kReleaseSteps.size());
    EXPECT_EQ(std::vector<std::string>(all.end() - kReleaseSteps.size(), all.end()), kReleaseSteps);
}

using LogoRun = LogoRig;

TEST_F(LogoRun, ExportsExactlyItsList) {
    const std::set<std::string> expected = EXPORT_NAMES(DAWNSIGIL_EXPORTS);
    EXPECT_EQ(test_support::exported_symbols(std::string(VK_LIB_DIR) + "/libDawnsigil.so"), expected);
}

TEST_F(LogoRun, PlaysTheWholeSceneThenLeavesAWhiteScreen) {
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(keyboard_.init_calls(), 1);
    host::clear_events();
    run(1);
    // Frames at t = 50, 100, ..., 10950 (the clock moves 50 ms per read), then the white screen.
    EXPECT_EQ(host_.main_surface.present_count(), 219 + 1);
    EXPECT_EQ(host_.win_msg.pumps(), 1 + 219);
    EXPECT_TRUE(window_is(255, 255, 255));
    const std::vector<std::string> sound = events_with("Chimewell2.");
    ASSERT_GE(sound.size(), 4u);
    EXPECT_EQ(sound[0], prepared_event(logo_sound_entry(1)));
    EXPECT_EQ(sound[1], "Chimewell2.Fade 0 0 100 0");
    EXPECT_EQ(sound[2], "Chimewell2.Play 0");
    EXPECT_EQ(sound[sound.size() - 2], "Chimewell2.Unprepare 0") << "the scene's own end";
    EXPECT_EQ(count_events("Release ISurface"), kScenePictures[1]);
    expect_release_steps_last();
    EXPECT_TRUE(messages_.requests().empty());
}

TEST_F(LogoRun, EachSelectorPlaysItsOwnSceneAndSound) {
    clock_.set_step(400);
    for (int scene = 1; scene <= 8; ++scene) {
        SCOPED_TRACE(scene);
        host::clear_events();
        const int presents = host_.main_surface.present_count();
        ASSERT_EQ(init(), 1);
        run(scene);
        EXPECT_EQ(count_events(prepared_event(logo_sound_entry(scene))), 1);
        EXPECT_EQ(host_.main_surface.present_count() - presents, 27 + 1);
        EXPECT_TRUE(window_is(255, 255, 255));
        EXPECT_EQ(count_events("Release ISurface"), kScenePictures[scene]) << "every surface of the scene released";
        expect_release_steps_last();
    }
    EXPECT_TRUE(messages_.requests().empty());
}

TEST_F(LogoRun, SelectorZeroPicksTheSceneByDate) {
    clock_.set_step(2000);
    struct Case {
        int month, day, scene;
    };
    for (const Case& c : {Case{3, 3, 8}, Case{3, 4, 1}, Case{2, 3, 4}, Case{1, 7, 7}, Case{10, 31, 6}}) {
        platform::LocalTime date;
        date.year = 2025, date.month = c.month, date.day = c.day;
        clock_.set_local_time(date);
        host::clear_events();
        ASSERT_EQ(init(), 1);
        run(0);
        EXPECT_EQ(count_events(prepared_event(logo_sound_entry(c.scene))), 1) << c.month << "/" << c.day;
    }
}

TEST_F(LogoRun, AnUnknownSelectorDrawsNothingButStillReleases) {
    for (int selector : {9, -1}) {
        ASSERT_EQ(init(), 1);
        host::clear_events();
        run(selector);
        EXPECT_EQ(host_.main_surface.present_count(), 0);
        EXPECT_TRUE(events_with("Chimewell2.PrepareFromMemory").empty());
        EXPECT_EQ(host::events(), kReleaseSteps);
    }
}

TEST_F(LogoRun, ASecondRunNeedsANewInit) {
    clock_.set_step(1000);
    ASSERT_EQ(init(), 1);
    run(2);
    const int presents = host_.main_surface.present_count();
    host::clear_events();
    run(2);
    EXPECT_EQ(host_.main_surface.present_count(), presents);
    EXPECT_TRUE(host::events().empty()) << "nothing is held any more";
}

TEST_F(LogoRun, RepeatRestartsTheSceneAndItsSoundUntilAKeySkips) {
    clock_.set_step(100);
    clock_.at(25000, [this] { keyboard_.set_down(27, true); });
    clock_.at(25500, [this] { keyboard_.set_down(27, false); });
    ASSERT_EQ(init(), 1);
    host::clear_events();
    run(7, 1);
    EXPECT_EQ(count_events("Chimewell2.Play 0"), 3) << "the start and two restarts";
    EXPECT_EQ(count_events("Chimewell2.Stop 0"), 2);
    EXPECT_TRUE(window_is(255, 255, 255));
    EXPECT_GE(clock_.peek(), 25500u);
    EXPECT_LT(clock_.peek(), 26000u) << "the skip ends the run";
    expect_release_steps_last();
}

TEST_F(LogoRun, AKeyHeldFromTheStartSkipsWhenReleased) {
    keyboard_.set_down(17, true);
    clock_.at(3000, [this] { keyboard_.set_down(17, false); });
    ASSERT_EQ(init(), 1);
    run(3);
    // The frame whose clock read releases the key is still drawn; the next pass sees the release.
    EXPECT_EQ(host_.main_surface.present_count(), 60 + 1);
    EXPECT_TRUE(window_is(255, 255, 255));
}

TEST_F(LogoRun, WithoutASkipTheSceneEndsAtElevenSeconds) {
    clock_.set_step(500);
    ASSERT_EQ(init(), 1);
    run(8);
    EXPECT_EQ(host_.main_surface.present_count(), 21 + 1);
    EXPECT_EQ(count_events("Chimewell2.Play 0"), 1);
}

TEST_F(LogoRun, QuittingLeavesAtOnceAndStillReleasesEverything) {
    host_.win_msg.quit_after(5);
    ASSERT_EQ(init(), 1);
    host::clear_events();
    run(4);
    EXPECT_EQ(host_.win_msg.pumps(), 6);
    EXPECT_EQ(host_.main_surface.present_count(), 5) << "no closing white screen";
    EXPECT_FALSE(window_is(255, 255, 255));
    EXPECT_EQ(count_events("Chimewell2.Unprepare 0"), 1) << "only the release step's";
    EXPECT_EQ(count_events("Release ISurface"), kScenePictures[4]);
    expect_release_steps_last();
}

TEST_F(LogoRun, MutingTheMusicGroupSilencesTheNextFrame) {
    host_.volume.set_volume(0, 50);
    host_.volume.set_volume(1, 80);
    clock_.at(3000, [this] { host_.volume.set_mute(1, true); });
    clock_.at(6000, [this] { host_.volume.set_mute(1, false); });
    clock_.at(8000, [this] { host_.volume.set_mute(0, true); });
    ASSERT_EQ(init(), 1);
    host::clear_events();
    run(5);
    // One volume before Play, then one per frame: t = 50 ... 2950 at 40%, 3000 ... 5950 silent,
    // 6000 ... 7950 at 40% again, then silent under the muted master.
    const std::vector<std::string> fades = events_with("Chimewell2.Fade");
    ASSERT_EQ(fades.size(), 1u + 219);
    auto volume_of_frame = [&](int t) { return fades[t / 50]; };
    EXPECT_EQ(fades[0], "Chimewell2.Fade 0 0 40 0");
    EXPECT_EQ(volume_of_frame(2950), "Chimewell2.Fade 0 0 40 0");
    EXPECT_EQ(volume_of_frame(3000), "Chimewell2.Fade 0 0 0 0");
    EXPECT_EQ(volume_of_frame(5950), "Chimewell2.Fade 0 0 0 0");
    EXPECT_EQ(volume_of_frame(6000), "Chimewell2.Fade 0 0 40 0");
    EXPECT_EQ(volume_of_frame(8000), "Chimewell2.Fade 0 0 0 0");
    EXPECT_EQ(volume_of_frame(10950), "Chimewell2.Fade 0 0 0 0");
}

TEST_F(LogoRun, APictureThatCannotBeLoadedEndsTheSceneQuietly) {
    std::vector<Bytes> entries;
    for (int n = 0; n < kLogoPictureCount; ++n)
        entries.push_back(n == 17 ? bytes_of("QNT broken") : encode_qnt(noise_image(2, 2, n)));
    write_file("Dawnsigil.mrl", write_mrl(entries));
    ASSERT_EQ(init(), 1);
    host::clear_events();
    run(1);
    EXPECT_EQ(host_.main_surface.present_count(), 0);
    EXPECT_TRUE(events_with("Chimewell2.P").empty()) << "no sound prepared or played";
    EXPECT_EQ(count_events("Release ISurface"), 12) << "the pictures loaded before 17";
    expect_release_steps_last();
    EXPECT_TRUE(messages_.requests().empty());
}

TEST_F(LogoRun, WithoutItsSoundTheSceneDoesNotStart) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"no sound archive", [] { std::filesystem::remove("DawnsigilWave.mrl"); }},
        {"no entry for the scene", [] { write_file("DawnsigilWave.mrl", write_mrl({bytes_of("only zero")})); }},
        {"the channel refuses the sound", [] { platform::fail("IMusicMemory.PrepareFromMemory"); }},
        {"the channel will not play", [] { platform::fail("IMusic.Play"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write_file("DawnsigilWave.mrl", logo_sound_archive());
        platform::heal_all();
        c.arrange();
        ASSERT_EQ(init(), 1);
        host::clear_events();
        run(6);
        EXPECT_EQ(host_.main_surface.present_count(), 0);
        EXPECT_EQ(count_events("Release ISurface"), kScenePictures[6]);
        expect_release_steps_last();
    }
}

class LogoFade : public LogoRig {
protected:
    LogoFade() { assets_.transparent_sprites = true; }
};

// With every sprite transparent the screen is the background under the white fade, which the
// reference drawing table blends as (255 * a + c * (255 - a) + 127) / 255.
TEST_F(LogoFade, FadesInFromWhiteAndOutToWhite) {
    clock_.set_step(1499);
    uint8_t bg[3];
    background_colour(17, bg);
    struct Frame {
        uint32_t t;
        int opacity;  // of the white over the background; -1: none
    };
    const Frame frames[] = {{1499, 1}, {4497, -1}, {8994, 50}};
    std::vector<std::vector<uint8_t>> seen;
    // A frame is on screen when the clock is read for the next one.
    for (const Frame& f : frames)
        clock_.at(f.t + 1499, [&] {
            const uint8_t* p = window_pixel(400, 300);
            seen.push_back({p[0], p[1], p[2]});
        });
    ASSERT_EQ(init(), 1);
    run(1);
    ASSERT_EQ(seen.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        for (int c = 0; c < 3; ++c) {
            const int a = frames[i].opacity;
            const int expected = a < 0 ? bg[c] : (255 * a + bg[c] * (255 - a) + 127) / 255;
            EXPECT_EQ(seen[i][c], expected) << "t=" << frames[i].t << " byte " << c;
        }
    EXPECT_TRUE(window_is(255, 255, 255));
}

}  // namespace
