// Whether a screen point lies on a sprite.
#include <gtest/gtest.h>

#include "support/sprite_engine.h"

namespace {

using test_support::SpriteEngine;

TEST(HitTest, RectangleAndAlpha) {
    SpriteEngine e;
    // 4x2 image at (10, 20): its left column fully transparent, the rest opaque.
    test_support::Pixels p = test_support::solid(4, 2, 0xFF112233u);
    p.argb[0] = p.argb[4] = 0x00112233u;
    e.put_cg(1, test_support::png_file(p, true));
    ASSERT_TRUE(e.start({64, 64}));
    ASSERT_EQ(e.vk().SP_SetCG(3, 1), 1);
    e.vk().SP_SetPos(3, 10, 20);
    struct Case {
        int x, y, in, in_rect;
    };
    const Case cases[] = {
        {10, 20, 0, 1},  // transparent pixel: inside the rectangle only
        {11, 20, 1, 1}, {13, 21, 1, 1},
        {14, 20, 0, 0},  // right edge is outside
        {11, 22, 0, 0},  // bottom edge is outside
        {9, 20, 0, 0},  {11, 19, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(e.vk().SP_IsPtIn(3, c.x, c.y), c.in) << c.x << "," << c.y;
        EXPECT_EQ(e.vk().SP_IsPtInRect(3, c.x, c.y), c.in_rect) << c.x << "," << c.y;
    }
}

TEST(HitTest, WithoutAlphaMapTheRectangleDecides) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({64, 64}));
    ASSERT_EQ(e.vk().SP_CreatePixelOnly(2, 5, 5), 1);
    EXPECT_EQ(e.vk().SP_IsPtIn(2, 0, 0), 1);
    EXPECT_EQ(e.vk().SP_IsPtIn(2, 5, 0), 0);
    // A sprite without an image, or none at all: no.
    e.vk().SP_SetPos(4, 0, 0);
    EXPECT_EQ(e.vk().SP_IsPtIn(4, 0, 0), 0);
    EXPECT_EQ(e.vk().SP_IsPtInRect(8, 0, 0), 0);
    EXPECT_TRUE(e.errors().empty());
}

TEST(HitTest, SpriteNumbersBelowOneAreReported) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({64, 64}));
    EXPECT_EQ(e.vk().SP_IsPtIn(0, 3, 4), 0);
    EXPECT_EQ(e.vk().SP_IsPtInRect(-2, 5, 6), 0);
    EXPECT_EQ(e.errors(), (std::vector<std::string>{"SP_IsPtIn\nnSP=0\nx=3\ny=4\n", "SP_IsPtInRect\nnSP=-2\nx=5\ny=6\n"}));
}

}  // namespace
