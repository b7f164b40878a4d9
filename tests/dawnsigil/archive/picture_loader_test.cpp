#include <gtest/gtest.h>

#include "dawnsigil/archive/picture_loader.h"
#include "dawnsigil/archive/pms_decoder.h"
#include "fixtures/archive_of.h"
#include "fixtures/pms_encoder.h"
#include "fixtures/qnt_encoder.h"
#include "fixtures/test_host.h"
#include "host/event_log.h"

namespace {

using dawnsigil::archive::Picture;
using dawnsigil::archive::load_picture;
using namespace dawnsigil_fixtures;

class PictureLoader : public testing::Test {
protected:
    bool load(const Bytes& entry, Picture& record, int index = 0) {
        std::vector<Bytes> entries(index + 1, bytes_of("QNT"));
        entries[index] = entry;
        auto archive = archive_of(entries);
        return load_picture(archive, factory, index, record);
    }
    FakeFactory factory;
    MessageRecorder messages;
};

TEST_F(PictureLoader, QntMakesAnAlphaPlaneOnlyWhenItHasAlpha) {
    const Image image = noise_image(5, 3, 3);
    Picture plain, with_alpha;
    ASSERT_TRUE(load(encode_qnt(image), plain));
    QntOptions options;
    options.alpha = true;
    ASSERT_TRUE(load(encode_qnt(image, options), with_alpha));

    EXPECT_FALSE(plain.surface()->HasAlphaMap());
    ASSERT_TRUE(with_alpha.surface()->HasAlphaMap());
    for (ISurface* s : {plain.surface(), with_alpha.surface()}) {
        EXPECT_EQ(s->GetWidth(), 5);
        EXPECT_EQ(s->GetHeight(), 3);
        EXPECT_EQ(s->GetBitsPerPixel(), 32);
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(std::vector<uint8_t>(plain.surface()->GetPixelAddress(x, y), plain.surface()->GetPixelAddress(x, y) + 3),
                      std::vector<uint8_t>(image.at(x, y), image.at(x, y) + 3));
            EXPECT_EQ(plain.surface()->GetPixelAddress(x, y)[3], 255);
            EXPECT_EQ(*with_alpha.surface()->GetAlphaAddress(x, y), image.at(x, y)[3]);
            EXPECT_EQ(with_alpha.surface()->GetPixelAddress(x, y)[3], image.at(x, y)[3]);
        }
    EXPECT_TRUE(messages.requests().empty());
}

TEST_F(PictureLoader, Pms8KeepsIndicesAndPalette) {
    std::vector<uint8_t> indices;
    for (int i = 0; i < 7 * 5; ++i) indices.push_back(static_cast<uint8_t>(255 - i * 3));
    Palette palette;
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint8_t>(i * 7);
    Picture record;
    ASSERT_TRUE(load(encode_pms8(7, 5, indices, palette), record));
    ISurface* s = record.surface();
    EXPECT_EQ(s->GetBitsPerPixel(), 8);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(*s->GetPixelAddress(x, y), indices[y * 7 + x]);
    ASSERT_TRUE(record.palette());
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), record.palette()->begin()));
}

TEST_F(PictureLoader, Pms16WithAlphaFillsTheAlphaPlane) {
    std::vector<uint16_t> values;
    std::vector<uint8_t> alpha;
    for (int i = 0; i < 6 * 4; ++i) {
        values.push_back(static_cast<uint16_t>(i * 2741));
        alpha.push_back(static_cast<uint8_t>(i * 11 + 240));
    }
    Picture record, opaque;
    ASSERT_TRUE(load(encode_pms16(6, 4, values, alpha), record));
    ASSERT_TRUE(load(encode_pms16(6, 4, values), opaque));
    EXPECT_FALSE(opaque.surface()->HasAlphaMap());
    ASSERT_TRUE(record.surface()->HasAlphaMap());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            uint8_t bgr[3];
            dawnsigil::archive::pms16_to_bgr(values[y * 6 + x], bgr);
            const uint8_t* p = record.surface()->GetPixelAddress(x, y);
            EXPECT_EQ(std::vector<uint8_t>(p, p + 4), std::vector<uint8_t>({bgr[0], bgr[1], bgr[2], 255}));
            EXPECT_EQ(*record.surface()->GetAlphaAddress(x, y), alpha[y * 6 + x]);
        }
    EXPECT_FALSE(record.palette());
}

TEST_F(PictureLoader, ASuccessfulLoadReplacesTheSurfaceAndAFailedOneKeepsIt) {
    Picture record;
    ASSERT_TRUE(load(encode_qnt(noise_image(2, 2, 1)), record));
    ISurface* first = record.surface();
    host::clear_events();
    ASSERT_TRUE(load(encode_qnt(noise_image(3, 3, 2)), record));
    EXPECT_NE(record.surface(), first);
    EXPECT_EQ(host::events(), std::vector<std::string>({"Release ISurface"}));
    ISurface* second = record.surface();
    EXPECT_FALSE(load(bytes_of("QNT"), record));
    EXPECT_EQ(record.surface(), second);
}

TEST_F(PictureLoader, ToldFormatsAndDepthsItCannotShow) {
    struct Case {
        const char* name;
        Bytes entry;
        std::string message;
    };
    Bytes qnt32 = encode_qnt(noise_image(2, 2, 1));
    qnt32[8 + 16] = 32;  // bits per pixel
    Bytes pms24 = encode_pms16(2, 1, {1, 2});
    pms24[6] = 24;
    Bytes bad_zlib = encode_qnt(noise_image(4, 4, 1));
    bad_zlib[48] ^= 0xFF;  // the stream's first header byte
    const Case cases[] = {
        {"bitmap", bytes_of("BM........"), sjis(u8"無効なＣＧフォーマット【 3 】です")},
        {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0}, sjis(u8"無効なＣＧフォーマット【 4 】です")},
        {"unknown", bytes_of("GIF89a"), sjis(u8"無効なＣＧフォーマット【 0 】です")},
        {"QNT of 32 bits", qnt32, sjis(u8"展開できないＱＮＴです")},
        {"PMS of 24 bits", pms24, sjis(u8"展開できないＰＭＳ【 5 】です")},
        {"broken zlib stream", bad_zlib, sjis(u8"展開エラー\n") + "incorrect header check"},
    };
    for (const Case& c : cases) {
        MessageRecorder recorder;
        Picture record;
        EXPECT_FALSE(load(c.entry, record, 5)) << c.name;
        EXPECT_EQ(record.surface(), nullptr);
        ASSERT_EQ(recorder.requests().size(), 1u) << c.name;
        const auto& box = recorder.requests()[0];
        EXPECT_EQ(box.text, c.message) << c.name;
        EXPECT_TRUE(box.has_title);
        EXPECT_EQ(box.title, "Dawnsigil.dll");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_TRUE(box.topmost);
    }
}

}  // namespace
