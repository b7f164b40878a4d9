#include <gtest/gtest.h>

#include "dawnsigil/random.h"
#include "dawnsigil/scene_choice.h"
#include "dawnsigil/scenes/particles.h"
#include "dawnsigil/screen.h"
#include "dawnsigil/skip_keys.h"
#include "dawnsigil/timeline.h"
#include "host/keyboard_device.h"
#include "host/volume.h"
#include "platform/clock.h"

namespace {

using namespace dawnsigil;

TEST(Random, StartsAtOneAndReseeds) {
    Random r;
    EXPECT_EQ(r.next(), 41);
    EXPECT_EQ(r.next(), 18467);
    EXPECT_EQ(r.next(), 6334);
    EXPECT_EQ(r.next(), 26500);
    r.seed(1);
    EXPECT_EQ(r.next(), 41);
    r.seed(0);
    EXPECT_EQ(r.next(), 38);  // (2531011 >> 16) & 0x7FFF
    r.seed(0xFFFFFFFF);
    for (int i = 0; i < 1000; ++i) {
        const int v = r.next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}

TEST(SceneChoice, DateTable) {
    struct Case {
        int month, day, scene;
    };
    const Case cases[] = {
        {1, 1, 7},  {1, 7, 7},  {1, 8, 4},   {1, 31, 4},  {2, 3, 4},   {2, 4, 8},  {3, 3, 8},
        {3, 4, 1},  {4, 15, 1}, {5, 31, 1},  {6, 1, 5},   {6, 30, 5},  {7, 1, 2},  {8, 31, 2},
        {9, 1, 3},  {9, 30, 3}, {10, 1, 6},  {10, 31, 6}, {11, 1, 3},  {11, 30, 3}, {12, 1, 4},
        {12, 31, 4},
    };
    for (const Case& c : cases) EXPECT_EQ(scene_for_date(c.month, c.day), c.scene) << c.month << "/" << c.day;
}

TEST(SceneChoice, SelectorNamesASceneOrTheDate) {
    platform::SteppedClock clock;
    platform::set_clock(&clock);
    platform::LocalTime march_third;
    march_third.year = 2024, march_third.month = 3, march_third.day = 3;
    clock.set_local_time(march_third);
    EXPECT_EQ(choose_scene(0), 8);
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(choose_scene(s), s);
    for (int s : {9, -1, 100, INT32_MIN}) EXPECT_EQ(choose_scene(s), 0) << s;
    platform::set_clock(nullptr);
}

TEST(Timeline, WhiteFadeOpacity) {
    struct Case {
        uint32_t t;
        std::optional<int> opacity;
    };
    const Case cases[] = {
        {0, 255}, {1, 255}, {750, 128}, {1499, 1}, {1500, std::nullopt}, {8499, std::nullopt},
        {8500, 0}, {9750, 127}, {10999, 254},
    };
    for (const Case& c : cases) EXPECT_EQ(white_fade_opacity(c.t), c.opacity) << c.t;
}

TEST(Timeline, VolumeIsMusicUnderMasterAndSilentWhenEitherIsMuted) {
    struct Case {
        int master, music;
        bool master_muted, music_muted;
        int expected;
    };
    const Case cases[] = {
        {100, 100, false, false, 100}, {50, 80, false, false, 40}, {33, 33, false, false, 10},
        {100, 100, true, false, 0},    {100, 100, false, true, 0}, {0, 100, false, false, 0},
    };
    for (const Case& c : cases) {
        host::VolumeValancer groups;
        groups.set_volume(0, c.master);
        groups.set_volume(1, c.music);
        groups.set_mute(0, c.master_muted);
        groups.set_mute(1, c.music_muted);
        groups.set_volume(2, 1);  // other groups do not count
        groups.set_mute(2, true);
        EXPECT_EQ(logo_volume(groups), c.expected);
    }
}

TEST(SkipKeys, SkipsWhenAKeySeenDownIsReleased) {
    host::KeyboardDevice keyboard;
    SkipKeys keys;
    keys.clear();
    EXPECT_FALSE(keys.test(keyboard)) << "nothing pressed";
    keyboard.set_down(17, true);  // control held
    EXPECT_FALSE(keys.test(keyboard));
    EXPECT_FALSE(keys.test(keyboard)) << "holding does not skip";
    keyboard.set_down(17, false);
    EXPECT_TRUE(keys.test(keyboard)) << "the release skips";
    EXPECT_FALSE(keys.test(keyboard)) << "once";

    for (int vk : SkipKeys::kKeys) {
        keyboard.set_down(vk, true);
        EXPECT_FALSE(keys.test(keyboard));
        keyboard.set_down(vk, false);
        EXPECT_TRUE(keys.test(keyboard)) << vk;
    }
    keyboard.set_down('A', true);
    EXPECT_FALSE(keys.test(keyboard));
    keyboard.set_down('A', false);
    EXPECT_FALSE(keys.test(keyboard)) << "other keys do not skip";
}

TEST(SkipKeys, AReleaseEndsThePassAndClearForgetsMarks) {
    host::KeyboardDevice keyboard;
    SkipKeys keys;
    keys.clear();
    keyboard.set_down(1, true);
    keyboard.set_down(27, true);
    EXPECT_FALSE(keys.test(keyboard));
    keyboard.set_down(1, false);
    keyboard.set_down(27, false);
    EXPECT_TRUE(keys.test(keyboard)) << "left button";
    EXPECT_TRUE(keys.test(keyboard)) << "escape, on the next pass";
    EXPECT_FALSE(keys.test(keyboard));

    keyboard.set_down(32, true);
    EXPECT_FALSE(keys.test(keyboard));
    keys.clear();
    keyboard.set_down(32, false);
    EXPECT_FALSE(keys.test(keyboard)) << "a key pressed before the marks were cleared";
}

TEST(ClipBlit, CutsToTheScreenAndTheSource) {
    struct Case {
        const char* name;
        Blit in;
        int src_w, src_h;
        std::optional<Blit> out;
    };
    const Case cases[] = {
        {"inside", {10, 20, 0, 0, 30, 40}, 30, 40, Blit{10, 20, 0, 0, 30, 40}},
        {"left edge", {-5, 0, 0, 0, 30, 40}, 30, 40, Blit{0, 0, 5, 0, 25, 40}},
        {"top edge", {0, -40, 0, 0, 30, 50}, 30, 50, Blit{0, 0, 0, 40, 30, 10}},
        {"right edge", {790, 0, 0, 0, 30, 40}, 30, 40, Blit{790, 0, 0, 0, 10, 40}},
        {"bottom edge", {0, 590, 0, 0, 30, 40}, 30, 40, Blit{0, 590, 0, 0, 30, 10}},
        {"larger than the screen", {0, 0, 0, 0, 1000, 700}, 1000, 700, Blit{0, 0, 0, 0, 800, 600}},
        {"negative source start", {10, 10, -4, 0, 20, 20}, 20, 20, Blit{14, 10, 0, 0, 16, 20}},
        {"rectangle past the source", {0, 0, 10, 10, 50, 50}, 20, 20, Blit{0, 0, 10, 10, 10, 10}},
        {"all off to the left", {-30, 0, 0, 0, 30, 40}, 30, 40, std::nullopt},
        {"all off to the right", {800, 0, 0, 0, 30, 40}, 30, 40, std::nullopt},
        {"all off the bottom", {0, 600, 0, 0, 30, 40}, 30, 40, std::nullopt},
        {"far off without overflow", {INT32_MIN, INT32_MAX, 0, 0, 30, 40}, 30, 40, std::nullopt},
        {"empty", {0, 0, 0, 0, 0, 10}, 30, 40, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(clip_blit(c.in, c.src_w, c.src_h, 800, 600), c.out) << c.name;
}

TEST(Particles, FieldsAreDrawnInTheirOrder) {
    Random r;
    r.seed(1);  // draws 41, 18467, 6334, 26500, 19169, ...
    const std::vector<Particle> petals = scene1_particles(r);
    ASSERT_EQ(petals.size(), 192u);
    EXPECT_EQ(petals[0].start_x, 41 % 1600 - 800);
    EXPECT_EQ(petals[0].start_y, -(18467 % 600));
    EXPECT_EQ(petals[0].end_x, 6334 % 800 + petals[0].start_x + 800);
    EXPECT_EQ(petals[0].end_y, 600 + 26500 % 600);
    EXPECT_EQ(petals[0].period, 19169 % 1500 + 3000);

    struct Count {
        std::vector<Particle> (*make)(Random&);
        size_t particles;
        int draws_each;
    };
    for (const Count& c : {Count{scene1_particles, 192, 5}, Count{scene3_particles, 16, 4},
                           Count{scene4_particles, 512, 6}, Count{scene5_particles, 192, 7},
                           Count{scene6_particles, 192, 8}}) {
        Random a, b;
        EXPECT_EQ(c.make(a).size(), c.particles);
        for (size_t i = 0; i < c.particles * c.draws_each; ++i) b.next();
        EXPECT_EQ(a.next(), b.next()) << "each particle takes " << c.draws_each << " numbers";
    }
}

TEST(Particles, MoveLinearlyInEitherDirection) {
    Particle p;
    p.start_x = 100, p.start_y = -50, p.end_x = 84, p.end_y = 650, p.period = 4000;
    EXPECT_EQ(particle_position(p, 0), (Point{100, -50}));
    EXPECT_EQ(particle_position(p, 2000), (Point{92, 300}));
    EXPECT_EQ(particle_position(p, 3999), (Point{85, 649})) << "toward zero";
    // Scene 4's snow drifts up to 16 pixels left; it stays near where it started.
    Random r;
    r.seed(1);
    for (const Particle& flake : scene4_particles(r))
        for (int f : {0, flake.period / 2, flake.period - 1}) {
            const Point at = particle_position(flake, f);
            ASSERT_GE(at.x, flake.start_x - 16);
            ASSERT_LE(at.x, flake.start_x + 16);
        }
}

}  // namespace
