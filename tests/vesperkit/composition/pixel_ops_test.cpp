// Pixel queries and the colour rotation and thresholded alpha copy.
#include <gtest/gtest.h>

#include "support/sprite_engine.h"

namespace {

using test_support::SpriteEngine;
using test_support::sjis;

uint32_t pixel(ISurface* s, int x, int y) {
    const uint8_t* p = s->GetPixelAddress(x, y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

TEST(PixelQueries, ReadInsideTheImageOnly) {
    SpriteEngine e;
    test_support::Pixels p = test_support::solid(3, 2, 0x80102030u);
    p.argb[5] = 0x40A0B0C0u;
    e.put_cg(1, test_support::png_file(p, true));
    e.put_cg(2, test_support::png_file(p, false));
    ASSERT_TRUE(e.start({32, 32}));
    e.vk().SP_SetCG(1, 1);
    e.vk().SP_SetCG(2, 2);
    int r = -1, g = -1, b = -1;
    EXPECT_EQ(e.vk().SP_GetPixelValue(1, 2, 1, &r, &g, &b), 1);
    EXPECT_EQ(r, 0xA0);
    EXPECT_EQ(g, 0xB0);
    EXPECT_EQ(b, 0xC0);
    r = g = b = -1;
    for (auto [x, y] : {std::pair{3, 0}, std::pair{0, 2}, std::pair{-1, 0}, std::pair{0, -1}})
        EXPECT_EQ(e.vk().SP_GetPixelValue(1, x, y, &r, &g, &b), 0) << x << "," << y;
    EXPECT_EQ(r + g + b, -3);  // untouched
    EXPECT_EQ(e.vk().SP_GetPixelValue(9, 0, 0, &r, &g, &b), 0);
    EXPECT_EQ(e.vk().SP_GetAMapValue(1, 2, 1), 0x40);
    EXPECT_EQ(e.vk().SP_GetAMapValue(1, 0, 0), 0x80);
    EXPECT_EQ(e.vk().SP_GetAMapValue(1, 3, 0), -1);
    EXPECT_EQ(e.vk().SP_GetAMapValue(2, 0, 0), -1);  // no alpha map
    EXPECT_EQ(e.vk().SP_GetAMapValue(9, 0, 0), -1);
}

TEST(RotateRGB, RotationsByRemainderWithSign) {
    struct Case {
        int rotation;
        uint32_t expected;  // from 0x11AABBCC: a=11 r=AA g=BB b=CC
    };
    const Case cases[] = {
        {0, 0x11AABBCC}, {3, 0x11AABBCC}, {-3, 0x11AABBCC},
        {1, 0x11BBCCAA}, {4, 0x11BBCCAA},  // blue = R, green = B, red = G
        {2, 0x11CCAABB}, {-1, 0x11CCAABB}, {-2, 0x11CCAABB},  // blue = G, green = R, red = B
    };
    SpriteEngine e;  // one engine a process: a sprite of its own for each case, on the same CG
    e.put_cg(1, test_support::png_file(test_support::solid(4, 4, 0x11AABBCCu), true));
    ASSERT_TRUE(e.start({32, 32}));
    int sprite = 0;
    for (const Case& c : cases) {
        ++sprite;
        e.vk().SP_SetCG(sprite, 1);
        e.vk().CG_RotateRGB(sprite, 1, 1, 2, 2, c.rotation);
        EXPECT_EQ(pixel(e.stored(sprite), 1, 1), c.expected) << c.rotation;
        EXPECT_EQ(pixel(e.stored(sprite), 0, 0), 0x11AABBCCu) << c.rotation;  // outside the rectangle
    }
}

TEST(RotateRGB, ThreeTurnsRestoreAndASharedCgIsCopiedFirst) {
    SpriteEngine e;
    e.put_cg(1, test_support::png_file(test_support::pattern(8, 8, 3, false), false));
    ASSERT_TRUE(e.start({32, 32}));
    e.vk().SP_SetCG(1, 1);
    e.vk().SP_SetCG(2, 1);
    const auto before = test_support::read_pixels(e.stored(2));
    e.vk().CG_RotateRGB(1, -5, -5, 100, 100, 1);
    EXPECT_NE(test_support::read_pixels(e.stored(1)), before);
    EXPECT_EQ(test_support::read_pixels(e.stored(2)), before);
    e.vk().CG_RotateRGB(1, 0, 0, 2147483647, 2147483647, 1);  // the far edge does not overflow
    e.vk().CG_RotateRGB(1, 0, 0, 8, 8, 1);
    EXPECT_EQ(test_support::read_pixels(e.stored(1)), before);
    // No sprite, or no image: reported through the sprite-number service, nothing done.
    e.vk().SP_SetPos(3, 0, 0);
    e.vk().CG_RotateRGB(3, 0, 0, 1, 1, 1);
    e.vk().CG_RotateRGB(4, 0, 0, 1, 1, 1);
    ASSERT_EQ(e.errors().size(), 2u);
    EXPECT_EQ(e.errors()[0], sjis("無効なスプライト番号が使用された\nSP=3\n(CGetSurface::Change)\n"));
    EXPECT_EQ(e.errors()[1], sjis("無効なスプライト番号が使用された\nSP=4\n(CGetSurface::Change)\n"));
}

TEST(BlendAMapBin, CopiesColoursWhereTheSourceAlphaReachesTheThreshold) {
    // Source: alpha 0, 100, 200, 255 across; colours distinct. Destination: opaque grey.
    test_support::Pixels src = test_support::solid(4, 1, 0);
    src.argb = {0x00010203u, 0x64111213u, 0xC8212223u, 0xFF313233u};
    struct Case {
        int threshold;
        std::vector<uint32_t> expected;  // destination row after the copy
    };
    const uint32_t grey = 0xFF808080u;
    const Case cases[] = {
        {0, {0xFF010203u, 0xFF111213u, 0xFF212223u, 0xFF313233u}},
        {-5, {0xFF010203u, 0xFF111213u, 0xFF212223u, 0xFF313233u}},
        {100, {grey, 0xFF111213u, 0xFF212223u, 0xFF313233u}},
        {201, {grey, grey, grey, 0xFF313233u}},
        {300, {grey, grey, grey, 0xFF313233u}},
    };
    SpriteEngine e;  // one engine a process: a fresh destination sprite for each case
    e.put_cg(1, test_support::png_file(src, true));
    e.put_cg(2, test_support::png_file(test_support::solid(4, 1, grey), false));
    ASSERT_TRUE(e.start({32, 32}));
    e.vk().SP_SetCG(1, 1);
    int destination = 1;
    for (const Case& c : cases) {
        ++destination;
        e.vk().SP_SetCG(destination, 2);
        e.vk().CG_BlendAMapBin(destination, 0, 0, 1, 0, 0, 4, 1, c.threshold);
        std::vector<uint32_t> row;
        for (int x = 0; x < 4; ++x) row.push_back(pixel(e.stored(destination), x, 0));
        EXPECT_EQ(row, c.expected) << c.threshold;
    }
}

TEST(BlendAMapBin, ClipsBothRectangles) {
    SpriteEngine e;
    test_support::Pixels src = test_support::solid(20, 1, 0);
    for (int x = 0; x < 20; ++x) src.argb[x] = 0xFF000000u | uint32_t(x);
    e.put_cg(1, test_support::png_file(src, true));
    ASSERT_TRUE(e.start({32, 32}));
    e.vk().SP_SetCG(1, 1);
    ASSERT_EQ(e.vk().SP_CreatePixelOnly(2, 6, 1), 1);
    // dx = -10: starts at destination column 0 and source column sx + 10.
    e.vk().CG_BlendAMapBin(2, -10, 0, 1, 2, 0, 14, 1, 0);
    std::vector<uint32_t> row;
    for (int x = 0; x < 6; ++x) row.push_back(pixel(e.stored(2), x, 0) & 0xFFFFFF);
    EXPECT_EQ(row, (std::vector<uint32_t>{12, 13, 14, 15, 0, 0}));
    // A negative source origin moves the destination instead; the source's right edge cuts.
    e.vk().CG_BlendAMapBin(2, 0, 0, 1, -3, 0, 6, 1, 0);
    row.clear();
    for (int x = 0; x < 6; ++x) row.push_back(pixel(e.stored(2), x, 0) & 0xFFFFFF);
    EXPECT_EQ(row, (std::vector<uint32_t>{12, 13, 14, 0, 1, 2}));
    e.vk().CG_BlendAMapBin(2, 0, 0, 1, 18, 0, 6, 1, 0);
    EXPECT_EQ(pixel(e.stored(2), 0, 0) & 0xFFFFFF, 18u);
    EXPECT_EQ(pixel(e.stored(2), 2, 0) & 0xFFFFFF, 14u);  // past the source's edge: untouched
    // A source without alpha map: nothing.
    ASSERT_EQ(e.vk().SP_CreatePixelOnly(3, 6, 1), 1);
    e.vk().CG_BlendAMapBin(2, 0, 0, 3, 0, 0, 6, 1, 0);
    EXPECT_EQ(pixel(e.stored(2), 0, 0) & 0xFFFFFF, 18u);
}

}  // namespace
