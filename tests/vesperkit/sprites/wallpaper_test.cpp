// The wallpaper: a screen-sized opaque image under all sprites, or a colour.
#include <gtest/gtest.h>

#include "support/sprite_engine.h"

namespace {

using test_support::Pixels;
using test_support::SpriteEngine;

constexpr int kWidth = 64, kHeight = 48;

class Wallpaper : public testing::Test {
protected:
    void SetUp() override {
        engine_.put_cg(1, test_support::png_file(screen_, false));
        engine_.put_cg(2, test_support::png_file(test_support::solid(kWidth, kHeight - 1, 0xFF000000), false));
        engine_.put_cg(3, test_support::png_file(test_support::pattern(kWidth, kHeight, 3, true), true));
        ASSERT_TRUE(engine_.start({.width = kWidth, .height = kHeight}));
    }
    // The wallpaper as a sprite shows it (through WP_GetSP).
    Pixels wallpaper() {
        EXPECT_EQ(engine_.vk().WP_GetSP(99), 1);
        ISurface* s = engine_.stored(99);
        EXPECT_EQ(s->GetWidth(), kWidth);
        EXPECT_EQ(s->GetHeight(), kHeight);
        EXPECT_FALSE(s->HasAlphaMap());
        return test_support::read_pixels(s);
    }
    static Pixels colour(uint32_t rgb) { return test_support::solid(kWidth, kHeight, rgb); }

    const Pixels screen_ = test_support::opaque(test_support::pattern(kWidth, kHeight, 1, false));
    SpriteEngine engine_;
};

TEST_F(Wallpaper, WithoutAnImageTheColourIsGiven) {
    EXPECT_EQ(wallpaper(), colour(0)) << "black at first";
    EXPECT_EQ(engine_.vk().SetWP_Color(10, 20, 30), 1);
    EXPECT_EQ(wallpaper(), colour(0x000A141E));
}

TEST_F(Wallpaper, AScreenSizedOpaqueCgBecomesTheWallpaper) {
    ASSERT_EQ(engine_.vk().SetWP(1), 1);
    EXPECT_EQ(wallpaper(), screen_);
    EXPECT_EQ(engine_.vk().SetWP(0), 1);
    engine_.vk().SetWP_Color(1, 2, 3);
    EXPECT_EQ(wallpaper(), colour(0x00010203)) << "SetWP(0) leaves the colour";
}

TEST_F(Wallpaper, ACgOfTheWrongSizeOrWithAlphaIsRefusedSilently) {
    ASSERT_EQ(engine_.vk().SetWP(1), 1);
    for (int cg : {2, 3, 4}) EXPECT_EQ(engine_.vk().SetWP(cg), 0) << cg;
    EXPECT_EQ(wallpaper(), screen_) << "the wallpaper stays";
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(Wallpaper, ASpriteOfScreenSizeCanBecomeTheWallpaper) {
    ASSERT_EQ(engine_.vk().SP_CreatePixelOnly(1, kWidth, kHeight), 1);
    test_support::write_pixels(engine_.facade()->GetSurfaceForWriting(1), screen_);
    ASSERT_EQ(engine_.vk().WP_SetSP(1), 1);
    test_support::write_pixels(engine_.facade()->GetSurfaceForWriting(1), colour(0xFFFFFFFF));
    EXPECT_EQ(wallpaper(), screen_) << "a copy, not the sprite's image";
    engine_.vk().SP_DeleteAll();
    EXPECT_EQ(wallpaper(), screen_) << "deleting the sprites leaves the wallpaper";
}

TEST_F(Wallpaper, SpritesThatDoNotFitAreRefused) {
    ASSERT_EQ(engine_.vk().SetWP(1), 1);
    engine_.vk().SP_CreatePixelOnly(1, kWidth, kHeight - 1);
    engine_.vk().SP_CreateCustom(2);
    for (int sprite : {1, 2, 3}) EXPECT_EQ(engine_.vk().WP_SetSP(sprite), 0) << sprite;
    EXPECT_EQ(wallpaper(), screen_);
}

TEST_F(Wallpaper, GetSpGivesEachSpriteAPrivateCopy) {
    ASSERT_EQ(engine_.vk().SetWP(1), 1);
    engine_.vk().SP_SetPos(5, 7, 8);
    ASSERT_EQ(engine_.vk().WP_GetSP(5), 1);
    EXPECT_EQ(engine_.vk().SP_GetPosX(5), 7);
    ASSERT_EQ(engine_.vk().WP_GetSP(6), 1);
    EXPECT_NE(engine_.stored(5), engine_.stored(6));
}

}  // namespace
