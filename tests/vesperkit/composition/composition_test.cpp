// The software composition: which sprites are drawn, in which order, with which primitive, clipped
// how, and what the fill figure counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "screen.h"
#include "support/sprite_engine.h"

namespace {

using composition_test::shown;
using test_support::SpriteEngine;

// Solid sprites made by SP_Create carry an alpha map filled with their blend value.
void solid(SpriteEngine& e, int sprite, int x, int y, int w, int h, uint32_t rgb, int z = 0) {
    ASSERT_EQ(e.vk().SP_Create(sprite, w, h, int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF), 255), 1);
    e.vk().SP_SetPos(sprite, x, y);
    e.vk().SP_SetZ(sprite, z);
}

TEST(Composition, DrawsByZThenYThenXThenNumber) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({64, 64}));
    // All four cover (20, 20). Expected order: 4 (z 1, y 10) < 3 (z 1, y 12, x 0) < 2 (z 1, y 12, x 5)
    // < 1 (z 5); so sprite 1 is on top at (20, 20).
    solid(e, 1, 18, 18, 10, 10, 0x0000FF, 5);
    solid(e, 2, 5, 12, 30, 30, 0x00FF00, 1);
    solid(e, 3, 0, 12, 30, 30, 0xFF0000, 1);
    solid(e, 4, 0, 10, 30, 30, 0xFFFF00, 1);
    ASSERT_EQ(e.vk().Update(), 1);
    auto& h = e.host().host();
    EXPECT_EQ(shown(h, 20, 20), 0x0000FFu);
    EXPECT_EQ(shown(h, 10, 20), 0x00FF00u);  // 2 over 3 over 4
    EXPECT_EQ(shown(h, 2, 20), 0xFF0000u);   // 3 over 4 where 2 does not reach
    EXPECT_EQ(shown(h, 2, 11), 0xFFFF00u);   // only 4 reaches row 11
    // Equal in z, y and x: the larger number is drawn later, on top.
    solid(e, 7, 40, 40, 5, 5, 0x123456, 9);
    solid(e, 6, 40, 40, 5, 5, 0x654321, 9);
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(shown(h, 42, 42), 0x123456u);
}

TEST(Composition, ClipsAtEveryEdge) {
    SpriteEngine e;
    e.put_cg(1, test_support::png_file(test_support::pattern(10, 10, 7, false), false));
    ASSERT_TRUE(e.start({40, 30}));
    const struct {
        int sprite, x, y;
    } places[] = {{1, -5, -3}, {2, 35, -4}, {3, -6, 26}, {4, 33, 25}};
    for (const auto& p : places) {
        ASSERT_EQ(e.vk().SP_SetCG(p.sprite, 1), 1);
        e.vk().SP_SetPos(p.sprite, p.x, p.y);
    }
    ASSERT_EQ(e.vk().Update(), 1);
    auto& h = e.host().host();
    const auto image = test_support::pattern(10, 10, 7, false);
    for (const auto& p : places)
        for (int y = std::max(0, p.y); y < std::min(30, p.y + 10); ++y)
            for (int x = std::max(0, p.x); x < std::min(40, p.x + 10); ++x)
                ASSERT_EQ(shown(h, x, y), image.at(x - p.x, y - p.y) & 0xFFFFFF) << p.sprite << " " << x << "," << y;
    // Wholly outside, and at the int limits: nothing drawn, nothing counted, no overflow.
    e.vk().SP_SetPos(1, 2147483647, 2147483647);
    e.vk().SP_SetPos(2, -2147483647 - 1, -2147483647 - 1);
    e.vk().SP_SetPos(3, 40, 0);
    e.vk().SP_SetPos(4, 2147483600, -2147483600);
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(e.vk().Debug_GetFillRate(), 40 * 30 * 4 / 1024);
}

TEST(Composition, FillRateOfOneOpaqueScreenSprite) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({640, 480}));
    ASSERT_EQ(e.vk().SP_CreatePixelOnly(1, 640, 480), 1);
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(e.vk().Debug_GetFillRate(), 2400);
}

TEST(Composition, HiddenAndInvisibleSpritesAreNotDrawnOrCounted) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({64, 32}));
    e.vk().SetWP_Color(10, 20, 30);
    solid(e, 1, 0, 0, 64, 32, 0xFFFFFF);
    solid(e, 2, 0, 0, 64, 32, 0xFF0000);
    e.vk().SP_SetShow(1, 0);
    e.vk().SP_SetBlendRate(2, 0);
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(shown(e.host().host(), 5, 5), 0x0A141Eu);
    EXPECT_EQ(e.vk().Debug_GetFillRate(), 64 * 32 * 4 / 1024);
}

// Each row of the primitive table against the drawing library's formulas, over a wallpaper colour,
// with the counter it adds to.
TEST(Composition, EachCombinationUsesItsPrimitive) {
    const int bg[3] = {100, 150, 200};  // r, g, b of the wallpaper
    const int fg[3] = {200, 60, 30};    // the sprite's colour
    const int alpha = 128;              // the alpha sprite's alpha
    auto mix = [](int s, int d, int a) { return int(std::lround((s * a + d * (255 - a)) / 255.0)); };
    auto scale = [](int v, int a) { return int(std::lround(v * a / 255.0)); };
    struct Row {
        bool alpha_map;
        int rate, method;
        std::function<int(int, int)> channel;  // (sprite, wallpaper) -> shown
        bool opaque;
    };
    const Row rows[] = {
        {false, 255, 0, [](int s, int) { return s; }, true},
        {false, 255, 1, [](int s, int d) { return std::min(255, d + s); }, true},
        {false, 255, 2, [](int s, int d) { return std::max(0, d - s); }, true},
        {false, 255, 3, [&](int s, int d) { return scale(d, s); }, true},
        {false, 255, 7, [](int, int d) { return d; }, true},  // no primitive, counted opaque
        {false, 100, 0, [&](int s, int d) { return mix(s, d, 100); }, false},
        {false, 100, 1, [&](int s, int d) { return std::min(255, d + scale(s, 100)); }, false},
        {false, 100, 2, [](int, int d) { return d; }, false},  // not in the table: nothing drawn
        {false, 100, 3, [&](int s, int d) { return mix(scale(d, s), d, 100); }, false},
        {true, 255, 0, [&](int s, int d) { return mix(s, d, alpha); }, false},
        {true, 255, 1, [&](int s, int d) { return std::min(255, d + scale(s, alpha)); }, false},
        {true, 255, 2, [](int, int d) { return d; }, false},
        {true, 100, 0, [&](int s, int d) { return mix(s, d, scale(alpha, 100)); }, false},
        {true, 100, 1, [&](int s, int d) { return std::min(255, d + scale(s, scale(alpha, 100))); }, false},
    };
    const uint32_t colour = uint32_t(fg[0]) << 16 | uint32_t(fg[1]) << 8 | uint32_t(fg[2]);
    // One engine a process: each row is a sprite of its own, side by side on a wide screen.
    const int count = int(std::size(rows));
    SpriteEngine e;
    e.put_cg(1, test_support::png_file(test_support::solid(8, 8, 0xFF000000u | colour), false));
    e.put_cg(2, test_support::png_file(test_support::solid(8, 8, uint32_t(alpha) << 24 | colour), true));
    ASSERT_TRUE(e.start({16 * count, 16}));
    e.vk().SetWP_Color(bg[0], bg[1], bg[2]);
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(e.vk().SP_SetCG(i + 1, rows[i].alpha_map ? 2 : 1), 1);
        e.vk().SP_SetPos(i + 1, 16 * i, 0);
        e.vk().SP_SetBlendRate(i + 1, rows[i].rate);
        e.vk().SP_SetDrawMethod(i + 1, rows[i].method);
    }
    ASSERT_EQ(e.vk().Update(), 1);
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[i];
        const uint32_t got = shown(e.host().host(), 16 * i + 3, 3);
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(int(got >> (16 - 8 * c) & 0xFF), row.channel(fg[c], bg[c]))
                << "alpha " << row.alpha_map << " rate " << row.rate << " method " << row.method << " channel " << c;
        EXPECT_EQ(shown(e.host().host(), 16 * i + 12, 12), uint32_t(bg[0]) << 16 | uint32_t(bg[1]) << 8 | uint32_t(bg[2]));
    }
    // Every sprite counts its 64 pixels, drawn or not, beside the wallpaper's.
    EXPECT_EQ(e.vk().Debug_GetFillRate(), (16 * count * 16 + 64 * count) * 4 / 1024);
}

TEST(Composition, ASpriteWithoutImageDrawsNothingButACustomOneCallsItsPlugIn) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({32, 16}));
    e.vk().SetWP_Color(1, 2, 3);
    e.vk().SP_SetPos(5, 4, 6);  // made on the fly, without an image
    ASSERT_EQ(e.vk().SP_CreateCustom(9), 1);
    e.vk().SP_SetPos(9, -3, 2);
    e.vk().SP_SetBlendRate(9, 77);
    host::clear_events();
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(shown(e.host().host(), 4, 6), 0x010203u);
    EXPECT_EQ(e.vk().Debug_GetFillRate(), 32 * 16 * 4 / 1024);
    const auto events = host::events();
    EXPECT_NE(std::find(events.begin(), events.end(), "Overlayr.Draw 9 -3,2 0,0,32,16 77"), events.end());
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& s) { return s.rfind("Overlayr.Draw", 0) == 0; }), 1);
}

TEST(Composition, EachFramePresentsTheWholeScreenAndTellsTheHost) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({32, 16}));
    auto& h = e.host().host();
    const int presents = h.main_surface.present_count(), hooks = h.after_present.calls();
    ASSERT_EQ(e.vk().Update(), 1);
    EXPECT_EQ(h.main_surface.present_count(), presents + 1);
    EXPECT_EQ(h.after_present.calls(), hooks + 1);
    // In the software view the hook's answer does not fail the frame.
    platform::fail("host.IAfterPresent.OnPresented");
    EXPECT_EQ(e.vk().Update(), 1);
}

// The previous view keeps the scene as it was drawn: changing a sprite's pixels afterwards copies
// its image first.
TEST(Composition, TheSnapshotKeepsTheDrawnScene) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({32, 16}));
    solid(e, 1, 0, 0, 8, 8, 0x102030);
    ASSERT_EQ(e.vk().Update(), 1);
    ISurface* before = e.stored(1);
    e.vk().CG_RotateRGB(1, 0, 0, 8, 8, 1);
    EXPECT_NE(e.stored(1), before);  // written through a private copy
}

}  // namespace
