#include <gtest/gtest.h>

#include "dawnsigil/archive/qnt_decoder.h"
#include "fixtures/planes.h"
#include "fixtures/qnt_encoder.h"

namespace {

using namespace dawnsigil::archive;
using namespace dawnsigil_fixtures;

struct Decoded {
    bool ok = false;
    GuardedPlane pixels;
    GuardedPlane alpha;
};

Decoded decode(const std::vector<uint8_t>& file, int width, int height, bool want_alpha_plane) {
    Decoded d{false, GuardedPlane(width, height, 4), GuardedPlane(width, height, 1)};
    const auto header = parse_qnt_header(file);
    if (!header || !qnt_layout_ok(*header, file.size())) return d;
    const Plane8 alpha = d.alpha.plane8();
    d.ok = decode_qnt(file, *header, d.pixels.plane32(), want_alpha_plane ? &alpha : nullptr).ok();
    return d;
}

void expect_colours(const Decoded& d, const Image& image) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(d.pixels.pixel(x, y)[c], image.at(x, y)[c]) << "x=" << x << " y=" << y << " c=" << c;
}

// Odd sizes are padded to 6 x 4 in the streams; the sixth column and fourth row carry values of
// their own, which must be decoded (they feed the prediction) and dropped.
TEST(Qnt, OddSizeRoundTripsWithoutAlpha) {
    const Image image = noise_image(5, 3, 11);
    const std::vector<uint8_t> file = encode_qnt(image);
    const auto header = parse_qnt_header(file);
    ASSERT_TRUE(header);
    EXPECT_FALSE(header->has_alpha());
    Decoded d = decode(file, 5, 3, false);
    ASSERT_TRUE(d.ok);
    expect_colours(d, image);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(d.pixels.pixel(x, y)[3], 255) << x << "," << y;
    EXPECT_TRUE(d.pixels.guards_intact());
}

TEST(Qnt, AlphaFillsTheFourthByteAndTheAlphaPlane) {
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE(version);
        const Image image = noise_image(7, 5, 20 + version);
        QntOptions options;
        options.alpha = true;
        options.version = version;
        options.header_size = 60;  // versions 1 and 2 say where the streams start
        Decoded d = decode(encode_qnt(image, options), 7, 5, true);
        ASSERT_TRUE(d.ok);
        expect_colours(d, image);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                EXPECT_EQ(d.pixels.pixel(x, y)[3], image.at(x, y)[3]);
                EXPECT_EQ(*d.alpha.pixel(x, y), image.at(x, y)[3]);
            }
        EXPECT_TRUE(d.pixels.guards_intact());
        EXPECT_TRUE(d.alpha.guards_intact());
    }
}

TEST(Qnt, RoundTripsOverSizesAndCompressionLevels) {
    const int sizes[][2] = {{1, 1}, {2, 2}, {1, 7}, {9, 1}, {33, 17}, {64, 48}};
    uint32_t seed = 100;
    for (const auto& s : sizes)
        for (int level : {0, 9}) {
            SCOPED_TRACE(testing::Message() << s[0] << "x" << s[1] << " level " << level);
            const Image image = noise_image(s[0], s[1], ++seed);
            QntOptions options;
            options.alpha = true;
            options.compression = level;
            Decoded d = decode(encode_qnt(image, options), s[0], s[1], true);
            ASSERT_TRUE(d.ok);
            expect_colours(d, image);
            EXPECT_TRUE(d.pixels.guards_intact());
        }
}

TEST(Qnt, HeaderVersionsAndShortHeaders) {
    const std::vector<uint8_t> good = encode_qnt(noise_image(4, 4, 1));
    EXPECT_TRUE(parse_qnt_header(good));
    std::vector<uint8_t> v3 = good;
    v3[4] = 3;
    EXPECT_FALSE(parse_qnt_header(v3)) << "version 3 is not loaded";
    std::vector<uint8_t> negative = good;
    negative[7] = 0x80;
    EXPECT_FALSE(parse_qnt_header(negative));
    EXPECT_FALSE(parse_qnt_header(std::span(good).first(39))) << "version 0 header needs 40 bytes";
    EXPECT_TRUE(parse_qnt_header(std::span(good).first(40)));
    QntOptions v1;
    v1.version = 1;
    const std::vector<uint8_t> good1 = encode_qnt(noise_image(4, 4, 1), v1);
    EXPECT_FALSE(parse_qnt_header(std::span(good1).first(43))) << "version 1 header needs 44 bytes";
}

}  // namespace
