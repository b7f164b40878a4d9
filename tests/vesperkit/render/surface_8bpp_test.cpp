// CSurface8bpp: one byte per pixel, rows padded to 16 bytes, the first aligned to 8.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/faults.h"
#include "vesperkit/render/surface_8bpp.h"

namespace {

TEST(Surface8bpp, RowsArePaddedAndTheDataAligned) {
    struct Case {
        int width, height, pitch;
    } cases[] = {{5, 5, 16}, {1, 1, 16}, {16, 2, 16}, {17, 3, 32}, {1000, 1, 1008}};
    for (const auto& c : cases) {
        CSurface8bpp s;
        ASSERT_TRUE(s.Create(c.width, c.height)) << c.width;
        EXPECT_EQ(s.GetPitch(), c.pitch) << c.width;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(s.GetPixelAddress(0, 0)) % 8, 0u);
        EXPECT_EQ(s.GetPixelAddress(3 % c.width, c.height - 1),
                  s.GetPixelAddress(0, 0) + (c.height - 1) * c.pitch + 3 % c.width);
        EXPECT_EQ(s.GetBitsPerPixel(), 8);
        EXPECT_EQ(s.GetAlphaPitch(), 0);
        EXPECT_FALSE(s.HasAlphaMap());
        EXPECT_EQ(s.GetAlphaAddress(0, 0), nullptr);
        // The whole padded image is zero and writable.
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.pitch; ++x) ASSERT_EQ(*s.GetPixelAddress(x, y), 0);
        EXPECT_EQ(s.GetPixelAddress(0, c.height), nullptr);
        EXPECT_EQ(s.GetPixelAddress(c.pitch, 0), nullptr);
    }
}

TEST(Surface8bpp, ImpossibleSizesLeaveItEmpty) {
    const int sizes[][2] = {{0, 5}, {5, 0}, {-1, 5}, {5, -7}, {2147483647, 1}, {65536, 65536}};
    for (const auto& size : sizes) {
        CSurface8bpp s;
        ASSERT_TRUE(s.Create(4, 4));
        EXPECT_FALSE(s.Create(size[0], size[1])) << size[0] << "x" << size[1];
        EXPECT_FALSE(s.HasPixel());
        EXPECT_EQ(s.GetPixelAddress(0, 0), nullptr);
        EXPECT_EQ(s.GetWidth(), 0);
        EXPECT_EQ(s.GetPitch(), 0);
    }
    platform::fail("Vesperkit.CSurface8bpp.Create");
    CSurface8bpp s;
    EXPECT_FALSE(s.Create(4, 4));
    EXPECT_FALSE(s.HasPixel());
    platform::heal_all();
}

TEST(Surface8bpp, TheLastReleaseFreesThePixelsButKeepsTheObject) {
    CSurface8bpp s;
    ASSERT_TRUE(s.Create(3, 3));
    EXPECT_EQ(s.AddRef(), 2);
    EXPECT_EQ(s.Release(), 1);
    EXPECT_TRUE(s.HasPixel());
    EXPECT_EQ(s.Release(), 0);
    EXPECT_FALSE(s.HasPixel());
    EXPECT_EQ(s.GetHeight(), 0);
    EXPECT_EQ(s.Release(), 0) << "below zero changes nothing";
}

}  // namespace
