// CDIBSurface: a DIB section that text is drawn into and that can be shown on a window.
#include <gtest/gtest.h>

#include "platform/faults.h"
#include "platform/gdi.h"
#include "vesperkit/render/dib_surface.h"

namespace {

namespace gdi = platform::gdi;

class DibSurface : public testing::Test {
protected:
    void SetUp() override { gdi::attach_window_image(window_, &image_); }
    void TearDown() override {
        gdi::attach_window_image(window_, nullptr);
        platform::heal_all();
    }
    void* window_ = &image_;
    gdi::WindowImage image_{64, 32};
};

TEST_F(DibSurface, RowsStartOnSixteenByteBoundariesWithOneSpareRow) {
    struct Case {
        int width, height, bpp, pitch, info_width;
    } cases[] = {
        {100, 10, 32, 400, 100}, {100, 10, 24, 304, 101}, {5, 3, 8, 16, 16}, {9, 2, 16, 32, 16}, {1, 1, 24, 16, 5},
    };
    for (const auto& c : cases) {
        CDIBSurface s;
        ASSERT_TRUE(s.Create(nullptr, c.width, c.height, c.bpp)) << c.width << "x" << c.bpp;
        EXPECT_EQ(s.GetPitch(), c.pitch) << c.width << "x" << c.bpp;
        EXPECT_EQ(s.GetWidth(), c.width);
        EXPECT_EQ(s.GetHeight(), c.height);
        EXPECT_EQ(s.GetBitsPerPixel(), c.bpp);
        gdi::BitmapInfoHeader header;
        ASSERT_TRUE(gdi::get_dib_header(s.bitmap(), header));
        EXPECT_EQ(header.width, c.info_width) << c.width << "x" << c.bpp;
        EXPECT_EQ(header.height, -(c.height + 1)) << "top-down, one row more";
        EXPECT_EQ(header.compression, c.bpp == 16 ? gdi::kBiBitfields : gdi::kBiRgb);
        // Addresses follow the pitch, reach the spare row and stop at the section's edge.
        EXPECT_EQ(s.GetPixelAddress(1, c.height), s.GetPixelAddress(0, 0) + c.height * c.pitch + c.bpp / 8);
        EXPECT_NE(s.GetPixelAddress(0, c.height), nullptr);
        EXPECT_EQ(s.GetPixelAddress(0, c.height + 1), nullptr);
        EXPECT_EQ(s.GetPixelAddress(-1, 0), nullptr);
        EXPECT_EQ(s.GetAlphaAddress(0, 0), nullptr);
        EXPECT_TRUE(s.HasPixel());
        EXPECT_FALSE(s.HasAlphaMap());
    }
}

TEST_F(DibSurface, ImpossibleRequestsLeaveAnEmptySurface) {
    struct Case {
        int width, height, bpp;
        const char* fault;
    } cases[] = {
        {4, 4, 12, nullptr},         {4, 4, 1, nullptr},         {0, 4, 32, nullptr},
        {4, -1, 32, nullptr},        {100000, 100000, 32, nullptr}, {2147483647, 1, 32, nullptr},
        {4, 4, 32, "gdi.GetDC"},     {4, 4, 32, "gdi.CreateDIBSection"}, {4, 4, 32, "gdi.CreateCompatibleDC"},
    };
    const int contexts = gdi::live_device_contexts(), bitmaps = gdi::live_bitmaps();
    for (const auto& c : cases) {
        CDIBSurface s;
        ASSERT_TRUE(s.Create(nullptr, 8, 8, 32));
        if (c.fault) platform::fail(c.fault);
        EXPECT_FALSE(s.Create(nullptr, c.width, c.height, c.bpp)) << c.width << "x" << c.height << "x" << c.bpp;
        EXPECT_FALSE(s.HasPixel());
        EXPECT_EQ(s.GetPixelAddress(0, 0), nullptr);
        EXPECT_EQ(s.GetWidth(), 0);
        platform::heal_all();
        EXPECT_EQ(gdi::live_device_contexts(), contexts) << "nothing leaked";
        EXPECT_EQ(gdi::live_bitmaps(), bitmaps);
    }
}

TEST_F(DibSurface, ReleaseFreesTheSectionAndMayBeRepeated) {
    const int bitmaps = gdi::live_bitmaps();
    CDIBSurface s;
    ASSERT_TRUE(s.Create(nullptr, 4, 4, 32));
    EXPECT_EQ(s.AddRef(), 1);
    EXPECT_EQ(gdi::live_bitmaps(), bitmaps + 1);
    EXPECT_EQ(s.Release(), 0);
    EXPECT_EQ(s.Release(), 0);
    EXPECT_EQ(gdi::live_bitmaps(), bitmaps);
    EXPECT_FALSE(s.HasPixel());
    ASSERT_TRUE(s.Create(nullptr, 4, 4, 32)) << "the object stays usable";
    ASSERT_TRUE(s.Create(nullptr, 6, 6, 24)) << "a second create replaces the first";
    EXPECT_EQ(gdi::live_bitmaps(), bitmaps + 1);
}

TEST_F(DibSurface, PresentCopiesTheRectangleToTheWindowAtItsOffset) {
    CDIBSurface s;
    ASSERT_TRUE(s.Create(window_, 8, 4, 32));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t* p = s.GetPixelAddress(x, y);
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 0xC0;
        }
    s.Present(2, 1, 3, 2);
    EXPECT_EQ(image_.pixel(2, 1), 0xC00102u);
    EXPECT_EQ(image_.pixel(4, 2), 0xC00204u);
    EXPECT_EQ(image_.pixel(5, 1), 0u) << "outside the rectangle";
    s.SetPresentOffset(10, 20);
    s.Present(0, 0, 1, 1);
    EXPECT_EQ(image_.pixel(10, 20), 0xC00000u);
    s.Present(0, 0, 0, 5);  // nothing to show
    s.SetPresentOffset(2147483647, 0);
    s.Present(1, 0, 1, 1);  // lands beyond every window
    EXPECT_EQ(image_.pixel(0, 0), 0u);
}

TEST_F(DibSurface, EightAndSixteenBitSurfacesShowAsGreyAndFiveSixFive) {
    CDIBSurface grey, high;
    ASSERT_TRUE(grey.Create(window_, 2, 1, 8));
    ASSERT_TRUE(high.Create(window_, 2, 1, 16));
    grey.GetPixelAddress(0, 0)[0] = 0x80;
    uint8_t* p = high.GetPixelAddress(0, 0);
    p[0] = 0xE0, p[1] = 0x07;  // all green in 5-6-5
    grey.Present(0, 0, 1, 1);
    high.SetPresentOffset(1, 0);
    high.Present(0, 0, 1, 1);
    EXPECT_EQ(image_.pixel(0, 0), 0x808080u);
    EXPECT_EQ(image_.pixel(1, 0), 0x00FF00u);
}

}  // namespace
