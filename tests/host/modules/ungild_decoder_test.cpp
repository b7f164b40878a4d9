// The stand-in image decoder: PNG, JPEG and BMP into 32-bit surfaces, and nothing but null for
// bytes that are not a whole image.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "interfaces/image_codec.h"
#include "support/service_module.h"
#include "support/image_files.h"
#include "support/jpeg_file.h"

namespace {

using test_support::BmpLayout;
using test_support::Held;
using test_support::Pixels;

const std::string kSuite = std::string(VK_SOURCE_DIR) + "/tests/data/pngsuite/";

class Decoder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(decoder_) << "libUngild.so"; }

    Held<ISurface> decode(const std::vector<uint8_t>& bytes) {
        return Held<ISurface>(decoder_->Decode(bytes.data(), int(bytes.size())));
    }
    Held<ISurface> decode_file(const std::string& name) { return decode(test_support::read_file(kSuite + name)); }

    // Checks the invariants every decoded surface keeps, whatever the format.
    static void expect_well_formed(ISurface* s, const std::string& what) {
        EXPECT_EQ(s->GetBitsPerPixel(), 32) << what;
        EXPECT_TRUE(s->HasPixel()) << what;
        const Pixels p = test_support::read_pixels(s);
        if (s->HasAlphaMap()) {
            std::vector<uint8_t> fourth;
            for (uint32_t v : p.argb) fourth.push_back(uint8_t(v >> 24));
            EXPECT_EQ(test_support::read_alpha_map(s), fourth) << what << ": the alpha map is the fourth bytes";
        } else {
            EXPECT_TRUE(std::all_of(p.argb.begin(), p.argb.end(), [](uint32_t v) { return v >> 24 == 0xFF; }))
                << what << ": an opaque image has 255 in every fourth byte";
        }
    }

    Held<IUngild> decoder_{test_support::create_service<IUngild>("Ungild", IID_IUngild)};
};

std::vector<std::string> suite_files() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kSuite))
        if (entry.path().extension() == ".png") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Colour types 4 and 6 carry alpha; the "ftb*" and "ftp1*" files a tRNS chunk.
bool suite_file_has_transparency(const std::string& name) {
    const std::string base = name[0] == 'i' ? name.substr(1) : name;
    return base.rfind("basn4a", 0) == 0 || base.rfind("basn6a", 0) == 0 || base.rfind("ftb", 0) == 0 ||
           base.rfind("ftp1", 0) == 0;
}

TEST_F(Decoder, EverySuiteImageDecodesWithTheRightAlphaMap) {
    const auto names = suite_files();
    ASSERT_GT(names.size(), 40u);
    for (const auto& name : names) {
        Held<ISurface> s = decode_file(name);
        ASSERT_TRUE(s) << name;
        EXPECT_EQ(s->GetWidth(), 32) << name;
        EXPECT_EQ(s->GetHeight(), 32) << name;
        EXPECT_EQ(s->HasAlphaMap(), suite_file_has_transparency(name)) << name;
        expect_well_formed(s.get(), name);
    }
}

TEST_F(Decoder, InterlacedImagesDecodeToTheSamePixelsAsTheirPlainTwins) {
    int pairs = 0;
    for (const auto& name : suite_files()) {
        if (name[0] != 'i') continue;
        Held<ISurface> interlaced = decode_file(name), plain = decode_file(name.substr(1));
        ASSERT_TRUE(interlaced && plain) << name;
        EXPECT_EQ(test_support::read_pixels(interlaced.get()), test_support::read_pixels(plain.get())) << name;
        ++pairs;
    }
    EXPECT_GE(pairs, 20);
}

TEST_F(Decoder, GreyImagesHaveEqualChannelsAndPalettedOnesKeepTheirColours) {
    for (const char* name : {"basn0g01.png", "basn0g02.png", "basn0g04.png", "basn0g08.png", "basn0g16.png",
                             "basn4a08.png", "basn4a16.png"}) {
        Held<ISurface> s = decode_file(name);
        ASSERT_TRUE(s) << name;
        const Pixels p = test_support::read_pixels(s.get());
        for (uint32_t v : p.argb) {
            ASSERT_EQ(v >> 16 & 0xFF, v >> 8 & 0xFF) << name;
            ASSERT_EQ(v >> 8 & 0xFF, v & 0xFF) << name;
        }
    }
    // A 1-bit grey image holds only black and white.
    const Pixels one_bit = test_support::read_pixels(decode_file("basn0g01.png").get());
    for (uint32_t v : one_bit.argb) EXPECT_TRUE(v == 0xFF000000u || v == 0xFFFFFFFFu) << std::hex << v;
}

TEST_F(Decoder, PngFilesOfKnownPixelsDecodeExactly) {
    for (bool alpha : {false, true}) {
        const Pixels want = test_support::pattern(37, 11, 5, alpha);
        Held<ISurface> s = decode(test_support::png_file(want, alpha));
        ASSERT_TRUE(s);
        EXPECT_EQ(s->HasAlphaMap(), alpha);
        EXPECT_EQ(test_support::read_pixels(s.get()), alpha ? want : test_support::opaque(want));
        expect_well_formed(s.get(), "pattern");
    }
}

struct BmpCase {
    BmpLayout layout;
    bool top_down;
    bool alpha;
    const char* what;
};

TEST_F(Decoder, BmpLayoutsDecodeToTheirPixels) {
    const BmpCase cases[] = {
        {BmpLayout::k24, false, false, "24-bit bottom-up"},
        {BmpLayout::k24, true, false, "24-bit top-down"},
        {BmpLayout::k32, false, true, "32-bit with fourth bytes"},
        {BmpLayout::k32AlphaMask, true, true, "32-bit with an alpha mask"},
    };
    for (const auto& c : cases) {
        // Odd widths give padded rows in the 24-bit files.
        const Pixels source = test_support::pattern(13, 7, 11, c.alpha);
        Held<ISurface> s = decode(test_support::bmp_file(source, c.layout, c.top_down));
        ASSERT_TRUE(s) << c.what;
        EXPECT_EQ(s->HasAlphaMap(), c.alpha) << c.what;
        EXPECT_EQ(test_support::read_pixels(s.get()), c.alpha ? source : test_support::opaque(source)) << c.what;
        expect_well_formed(s.get(), c.what);
    }
}

TEST_F(Decoder, AThirtyTwoBitBmpWhoseFourthBytesAreAllZeroIsOpaque) {
    Pixels source = test_support::pattern(9, 4, 3, false);
    for (auto& v : source.argb) v &= 0x00FFFFFF;
    Held<ISurface> s = decode(test_support::bmp_file(source, BmpLayout::k32));
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->HasAlphaMap());
    EXPECT_EQ(test_support::read_pixels(s.get()), test_support::opaque(source));
}

TEST_F(Decoder, PalettedAndSixteenBitBmpsExpandTheirColours) {
    // Colours a 5-6-5 pixel holds exactly, so the expansion must give them back.
    Pixels source{6, 3, {}};
    const uint32_t colours[] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF84C610};
    for (int i = 0; i < 18; ++i) source.argb.push_back(colours[i % 6]);
    Held<ISurface> sixteen = decode(test_support::bmp_file(source, BmpLayout::k16Bitfields565, true));
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(test_support::read_pixels(sixteen.get()), source);
    Held<ISurface> eight = decode(test_support::bmp_file(source, BmpLayout::k8Palette));
    ASSERT_TRUE(eight);
    EXPECT_EQ(test_support::read_pixels(eight.get()), source);

    Pixels two{11, 2, {}};
    for (int i = 0; i < 22; ++i) two.argb.push_back(i % 3 ? 0xFF102030 : 0xFFF0E0D0);
    Held<ISurface> one = decode(test_support::bmp_file(two, BmpLayout::k1Palette));
    ASSERT_TRUE(one);
    EXPECT_EQ(test_support::read_pixels(one.get()), two);
}

// A smooth picture, which a JPEG at high quality keeps within a few levels.
Pixels smooth(int width, int height) {
    Pixels p{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.argb.push_back(0xFF000000u | uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 | uint32_t((x + y) * 2));
    return p;
}

int largest_difference(const Pixels& a, const Pixels& b) {
    int most = 0;
    for (size_t i = 0; i < a.argb.size(); ++i)
        for (int shift : {0, 8, 16, 24})
            most = std::max(most, std::abs(int(a.argb[i] >> shift & 0xFF) - int(b.argb[i] >> shift & 0xFF)));
    return most;
}

TEST_F(Decoder, JpegDecodesOpaqueColourAndGrey) {
    const Pixels source = smooth(48, 40);
    Held<ISurface> colour = decode(test_support::jpeg_file(source, false, 98));
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->GetWidth(), 48);
    EXPECT_EQ(colour->GetHeight(), 40);
    EXPECT_FALSE(colour->HasAlphaMap());
    EXPECT_LE(largest_difference(test_support::read_pixels(colour.get()), source), 8);
    expect_well_formed(colour.get(), "colour JPEG");

    Held<ISurface> grey = decode(test_support::jpeg_file(source, true, 98));
    ASSERT_TRUE(grey);
    for (uint32_t v : test_support::read_pixels(grey.get()).argb) {
        ASSERT_EQ(v >> 16 & 0xFF, v & 0xFF);
        ASSERT_EQ(v >> 8 & 0xFF, v & 0xFF);
    }
}

TEST_F(Decoder, EveryCutShortFileIsRefused) {
    const Pixels p = test_support::pattern(20, 9, 2, true);
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"png", test_support::png_file(p, true)},
        {"interlaced png", test_support::read_file(kSuite + "ibasn6a08.png")},
        {"jpeg", test_support::jpeg_file(smooth(24, 24), false, 98)},
        {"bmp", test_support::bmp_file(p, BmpLayout::k32)},
    };
    for (const auto& [what, bytes] : files) {
        ASSERT_FALSE(bytes.empty()) << what;
        ASSERT_TRUE(decode(bytes)) << what << " whole";
        for (size_t size = 1; size < bytes.size(); ++size)
            ASSERT_EQ(decoder_->Decode(bytes.data(), int(size)), nullptr) << what << " cut to " << size;
    }
}

TEST_F(Decoder, BytesThatAreNoImageAreRefused) {
    EXPECT_EQ(decoder_->Decode(nullptr, 100), nullptr);
    const uint8_t one = 'B';
    EXPECT_EQ(decoder_->Decode(&one, 0), nullptr);
    EXPECT_EQ(decoder_->Decode(&one, -5), nullptr);
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> noise(1 + random() % 400);
        for (auto& b : noise) b = uint8_t(random());
        // Each format's signature in front of noise, and noise alone.
        const std::vector<std::vector<uint8_t>> heads = {
            {}, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, {0xFF, 0xD8, 0xFF}, {'B', 'M'}};
        for (const auto& head : heads) {
            std::vector<uint8_t> bytes = head;
            bytes.insert(bytes.end(), noise.begin(), noise.end());
            ASSERT_EQ(decoder_->Decode(bytes.data(), int(bytes.size())), nullptr) << round;
        }
    }
}

// Header fields of a BMP that promise more than the file holds, or more than is sensible.
TEST_F(Decoder, BmpHeadersThatLieAreRefused) {
    const std::vector<uint8_t> good = test_support::bmp_file(test_support::pattern(8, 8, 1, false), BmpLayout::k8Palette);
    ASSERT_TRUE(decode(good));
    struct Patch {
        size_t at;
        uint32_t value;
    };
    const struct {
        std::vector<Patch> patches;
        const char* what;
    } lies[] = {
        {{{10, 0xFFFFFFF0u}}, "pixel offset beyond the file"},
        {{{14, 41}}, "unknown header size"},
        {{{14, 0xFFFFFFFFu}}, "header larger than the file"},
        {{{18, 0}}, "zero width"},
        {{{18, 0x80000000u}}, "negative width"},
        {{{18, 100000}}, "width beyond the side limit"},
        {{{22, 0}}, "zero height"},
        {{{22, 0x80000000u}}, "smallest int height"},
        {{{18, 16384}, {22, 16384}}, "sides within the limit, pixels beyond it"},
        {{{18, 64}}, "rows longer than the pixel data"},
        {{{28, 12}}, "12 bits per pixel"},
        {{{30, 1}}, "run-length compression"},
        {{{46, 257}}, "more colours than 8 bits can index"},
        {{{46, 0x40000000u}}, "colour table far beyond the file"},
    };
    for (const auto& lie : lies) {
        std::vector<uint8_t> bytes = good;
        for (const Patch& patch : lie.patches)
            for (int i = 0; i < 4; ++i) bytes[patch.at + i] = uint8_t(patch.value >> (8 * i));
        EXPECT_EQ(decoder_->Decode(bytes.data(), int(bytes.size())), nullptr) << lie.what;
    }
}

// A grey PNG of one bit per pixel made by hand, so that a large image stays a small file.
std::vector<uint8_t> blank_png(uint32_t width, uint32_t height) {
    auto put32 = [](std::vector<uint8_t>& out, uint32_t v) {
        for (int shift : {24, 16, 8, 0}) out.push_back(uint8_t(v >> shift));
    };
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    auto chunk = [&](const char* type, const std::vector<uint8_t>& data) {
        put32(out, uint32_t(data.size()));
        std::vector<uint8_t> body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        out.insert(out.end(), body.begin(), body.end());
        put32(out, uint32_t(crc32(0, body.data(), uInt(body.size()))));
    };
    std::vector<uint8_t> header;
    put32(header, width);
    put32(header, height);
    header.insert(header.end(), {1, 0, 0, 0, 0});  // 1 bit, grey, deflate, no filter, no interlace
    chunk("IHDR", header);
    const std::vector<uint8_t> raw(size_t(height) * (1 + (width + 7) / 8), 0);
    uLongf packed_size = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packed_size);
    compress(packed.data(), &packed_size, raw.data(), uLong(raw.size()));
    packed.resize(packed_size);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return out;
}

TEST_F(Decoder, ImagesBeyondThePixelLimitAreRefusedEvenWhenWhole) {
    // 8192 × 4096 is exactly the limit of 2^25 pixels; one row more is beyond it.
    const std::vector<uint8_t> at_limit = blank_png(8192, 4096), beyond = blank_png(8192, 4097);
    Held<ISurface> s = decode(at_limit);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->GetHeight(), 4096);
    EXPECT_EQ(decode(beyond).get(), nullptr);
    EXPECT_EQ(decode(blank_png(16385, 1)).get(), nullptr);
}

}  // namespace
