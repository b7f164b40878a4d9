// The GDI-shaped seam: DIB sections, selection, bit-block copies into a window image.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/faults.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace {

namespace gdi = platform::gdi;

gdi::BitmapInfo info_of(int width, int height, int bits, uint32_t compression = gdi::kBiRgb) {
    gdi::BitmapInfo info;
    info.header.width = width;
    info.header.height = height;
    info.header.bit_count = uint16_t(bits);
    info.header.compression = compression;
    return info;
}

// A memory device context with a new DIB section selected; everything is let go at the end.
struct Section {
    explicit Section(const gdi::BitmapInfo& info) {
        bitmap = gdi::create_dib_section(nullptr, &info, gdi::kDibRgbColors, &bits);
        dc = gdi::create_compatible_dc(nullptr);
        if (bitmap && dc) gdi::select_object(dc, bitmap);
    }
    ~Section() {
        gdi::delete_dc(dc);
        gdi::delete_object(bitmap);
    }
    uint8_t* row(int y, int stride) { return static_cast<uint8_t*>(bits) + y * stride; }
    gdi::Bitmap bitmap = nullptr;
    gdi::DeviceContext dc = nullptr;
    void* bits = nullptr;
};

class Gdi : public testing::Test {
protected:
    void SetUp() override {
        window_ = &window_;  // any unique address names a window
        gdi::attach_window_image(window_, &image_);
    }
    void TearDown() override {
        gdi::attach_window_image(window_, nullptr);
        platform::heal_all();
        EXPECT_EQ(gdi::live_device_contexts(), 0);
        EXPECT_EQ(gdi::live_bitmaps(), 0);
    }
    // Copies a section onto the window at (x, y).
    void show(Section& s, int x, int y, int w, int h) {
        gdi::DeviceContext window_dc = gdi::get_dc(window_);
        ASSERT_NE(window_dc, nullptr);
        EXPECT_TRUE(gdi::bit_blt(window_dc, x, y, w, h, s.dc, 0, 0, gdi::kSrcCopy));
        EXPECT_EQ(gdi::release_dc(window_, window_dc), 1);
    }
    void* window_ = nullptr;
    gdi::WindowImage image_{16, 8};
};

TEST_F(Gdi, SectionsHaveDwordRowsAndZeroedBits) {
    struct Case {
        int width, bits, stride;
    } cases[] = {{1, 8, 4}, {5, 8, 8}, {101, 24, 304}, {3, 24, 12}, {100, 32, 400}, {3, 16, 8}};
    for (const auto& c : cases) {
        Section s(info_of(c.width, -3, c.bits));
        ASSERT_NE(s.bitmap, nullptr) << c.width << "x" << c.bits;
        const auto* bytes = static_cast<const uint8_t*>(s.bits);
        for (int i = 0; i < c.stride * 3; ++i) ASSERT_EQ(bytes[i], 0) << c.width << "x" << c.bits;
        gdi::BitmapInfoHeader header;
        ASSERT_TRUE(gdi::get_dib_header(s.bitmap, header));
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(header.height, -3);
    }
}

TEST_F(Gdi, SectionsThatCannotBeMadeAreRefused) {
    const gdi::BitmapInfo bad[] = {
        info_of(0, 4, 32),         info_of(-1, 4, 32),      info_of(4, 0, 32),
        info_of(4, 4, 12),         info_of(4, 4, 32, 1),    info_of(4, 4, 24, gdi::kBiBitfields),
        info_of(1 << 29, 2, 32),   // more bytes than the cap
        info_of(65536, -65536, 32),
        info_of(4, -2147483647 - 1, 32),
    };
    for (const auto& info : bad) {
        void* bits = &bits;
        EXPECT_EQ(gdi::create_dib_section(nullptr, &info, gdi::kDibRgbColors, &bits), nullptr)
            << info.header.width << "x" << info.header.height << "x" << info.header.bit_count;
        EXPECT_EQ(bits, nullptr);
    }
    gdi::BitmapInfo palette_overflow = info_of(4, 4, 8);
    palette_overflow.header.colors_used = 257;
    EXPECT_EQ(gdi::create_dib_section(nullptr, &palette_overflow, gdi::kDibRgbColors, nullptr), nullptr);
    const gdi::BitmapInfo good = info_of(4, 4, 32);
    EXPECT_EQ(gdi::create_dib_section(nullptr, &good, 1 /* palette indices */, nullptr), nullptr);
    platform::fail("gdi.CreateDIBSection");
    EXPECT_EQ(gdi::create_dib_section(nullptr, &good, gdi::kDibRgbColors, nullptr), nullptr);
}

TEST_F(Gdi, ABitmapLivesInOneDeviceContextAtATime) {
    const gdi::BitmapInfo info = info_of(2, 2, 32);
    gdi::Bitmap bitmap = gdi::create_dib_section(nullptr, &info, gdi::kDibRgbColors, nullptr);
    gdi::DeviceContext first = gdi::create_compatible_dc(nullptr), second = gdi::create_compatible_dc(nullptr);
    gdi::Bitmap stock = gdi::select_object(first, bitmap);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(gdi::select_object(second, bitmap), nullptr);
    EXPECT_FALSE(gdi::delete_object(bitmap)) << "still selected";
    EXPECT_EQ(gdi::select_object(first, stock), bitmap);
    EXPECT_TRUE(gdi::delete_object(bitmap));
    EXPECT_FALSE(gdi::delete_object(bitmap)) << "a deleted handle is refused, not followed";
    EXPECT_TRUE(gdi::delete_dc(first));
    EXPECT_TRUE(gdi::delete_dc(second));
    EXPECT_FALSE(gdi::delete_dc(second));
}

TEST_F(Gdi, DeletingTheDeviceContextFreesTheBitmapForDeletion) {
    const gdi::BitmapInfo info = info_of(2, 2, 32);
    gdi::Bitmap bitmap = gdi::create_dib_section(nullptr, &info, gdi::kDibRgbColors, nullptr);
    gdi::DeviceContext dc = gdi::create_compatible_dc(nullptr);
    gdi::select_object(dc, bitmap);
    EXPECT_TRUE(gdi::delete_dc(dc));
    EXPECT_TRUE(gdi::delete_object(bitmap));
}

TEST_F(Gdi, WindowDeviceContexts) {
    gdi::DeviceContext desktop = gdi::get_dc(nullptr);
    ASSERT_NE(desktop, nullptr) << "the desktop";
    EXPECT_EQ(gdi::release_dc(window_, desktop), 0) << "released by its own window only";
    EXPECT_EQ(gdi::release_dc(nullptr, desktop), 1);
    int unknown = 0;
    EXPECT_EQ(gdi::get_dc(&unknown), nullptr) << "a window nobody registered";
    platform::fail("gdi.GetDC");
    EXPECT_EQ(gdi::get_dc(window_), nullptr);
}

TEST_F(Gdi, BitBltCopiesThirtyTwoBitRowsClippedToTheWindow) {
    Section s(info_of(4, -2, 32));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            uint8_t* p = s.row(y, 16) + x * 4;
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 0x80, p[3] = 0x55;
        }
    show(s, 14, 7, 4, 2);  // only (14..15, 7) is on the window
    EXPECT_EQ(image_.pixel(14, 7), 0x800000u);
    EXPECT_EQ(image_.pixel(15, 7), 0x800001u);
    EXPECT_EQ(image_.pixel(13, 7), 0u);
    show(s, -3, -1, 4, 2);  // the section's (3, 1) lands at (0, 0)
    EXPECT_EQ(image_.pixel(0, 0), 0x800103u);
}

TEST_F(Gdi, BitBltConvertsEveryDepthToTheWindow) {
    // Bottom-up 24 bits, 5-5-5 and 5-6-5 16 bits, and a palette of 8 bits, each holding red.
    Section rgb(info_of(1, 1, 24));
    std::memcpy(rgb.bits, "\x00\x00\xFF", 3);
    Section fifteen(info_of(1, 1, 16));
    std::memcpy(fifteen.bits, "\x00\x7C", 2);
    gdi::BitmapInfo info565 = info_of(1, 1, 16, gdi::kBiBitfields);
    const uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(info565.colors, masks, sizeof masks);
    Section sixteen(info565);
    std::memcpy(sixteen.bits, "\x00\xF8", 2);
    gdi::BitmapInfo paletted = info_of(1, 1, 8);
    paletted.header.colors_used = 2;
    paletted.colors[1] = {0, 0, 255, 0};
    Section eight(paletted);
    static_cast<uint8_t*>(eight.bits)[0] = 1;
    Section* sections[] = {&rgb, &fifteen, &sixteen, &eight};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(sections[i]->bitmap, nullptr) << i;
        show(*sections[i], i, 0, 1, 1);
        EXPECT_EQ(image_.pixel(i, 0), 0xFF0000u) << i;
    }
}

TEST_F(Gdi, BitBltIntoAPaletteTakesTheNearestEntry) {
    gdi::BitmapInfo grey = info_of(2, 1, 8);
    for (int i = 0; i < 256; ++i) grey.colors[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
    Section to(grey);
    Section from(info_of(2, 1, 32));
    std::memcpy(from.bits, "\x10\x10\x10\x00\xF0\xF2\xF1\x00", 8);
    EXPECT_TRUE(gdi::bit_blt(to.dc, 0, 0, 2, 1, from.dc, 0, 0, gdi::kSrcCopy));
    EXPECT_EQ(static_cast<uint8_t*>(to.bits)[0], 0x10);
    EXPECT_EQ(static_cast<uint8_t*>(to.bits)[1], 0xF1);
}

TEST_F(Gdi, BitBltRefusesWhatItCannotDo) {
    Section s(info_of(2, 2, 32));
    gdi::DeviceContext window_dc = gdi::get_dc(window_);
    EXPECT_FALSE(gdi::bit_blt(window_dc, 0, 0, 2, 2, s.dc, 0, 0, 0x00EE0086 /* SRCPAINT */));
    EXPECT_FALSE(gdi::bit_blt(window_dc, 0, 0, 2, 2, nullptr, 0, 0, gdi::kSrcCopy));
    EXPECT_TRUE(gdi::bit_blt(window_dc, 0, 0, -2, 2, s.dc, 0, 0, gdi::kSrcCopy)) << "nothing to copy";
    EXPECT_TRUE(gdi::bit_blt(window_dc, 2147483647, 0, 2147483647, 2, s.dc, -2147483647 - 1, 0, gdi::kSrcCopy));
    gdi::release_dc(window_, window_dc);
    // A window without an image shows nothing and keeps nothing.
    gdi::attach_window_image(window_, nullptr);
    platform::register_window(window_, platform::current_process_id());
    window_dc = gdi::get_dc(window_);
    ASSERT_NE(window_dc, nullptr);
    EXPECT_TRUE(gdi::bit_blt(window_dc, 0, 0, 2, 2, s.dc, 0, 0, gdi::kSrcCopy));
    EXPECT_FALSE(gdi::bit_blt(s.dc, 0, 0, 2, 2, window_dc, 0, 0, gdi::kSrcCopy)) << "nothing to read";
    gdi::release_dc(window_, window_dc);
    platform::unregister_window(window_);
}

}  // namespace
