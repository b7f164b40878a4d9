// The stand-in image encoder writes PNG files that the decoder reads back pixel for pixel.
#include <gtest/gtest.h>

#include "interfaces/image_codec.h"
#include "interfaces/surface_factory.h"
#include "support/service_module.h"
#include "support/image_files.h"

namespace {

using test_support::Held;

class Encoder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(encoder_ && decoder_ && factory_); }

    Held<ISurface> round_trip(ISurface* surface) {
        Held<IMemory> file(encoder_->Encode(surface, 0));
        if (!file) return Held<ISurface>();
        const auto* bytes = static_cast<const uint8_t*>(file->GetBuffer());
        EXPECT_TRUE(file->GetSize() > 8 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G');
        return Held<ISurface>(decoder_->Decode(bytes, file->GetSize()));
    }

    Held<IImageEncoder> encoder_{test_support::create_service<IImageEncoder>("Engild", IID_IImageEncoder)};
    Held<IUngild> decoder_{test_support::create_service<IUngild>("Ungild", IID_IUngild)};
    Held<ISurfaceFactory> factory_{test_support::create_service<ISurfaceFactory>("Facetry", IID_ISurfaceFactory)};
};

TEST_F(Encoder, ASurfaceWithAlphaComesBackWithItsAlpha) {
    const test_support::Pixels source = test_support::pattern(33, 17, 9, true);
    Held<ISurface> surface(factory_->CreateWithAlpha(33, 17, 32));
    test_support::write_pixels(surface.get(), source);
    Held<ISurface> back = round_trip(surface.get());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->HasAlphaMap());
    EXPECT_EQ(test_support::read_pixels(back.get()), source);
    EXPECT_EQ(test_support::read_alpha_map(back.get()), test_support::read_alpha_map(surface.get()));
}

TEST_F(Encoder, ASurfaceWithoutAlphaComesBackOpaque) {
    // The fourth bytes of a surface without alpha map carry nothing, and are not saved.
    const test_support::Pixels source = test_support::pattern(5, 40, 4, true);
    Held<ISurface> surface(factory_->Create(5, 40, 32));
    test_support::write_pixels(surface.get(), source);
    Held<ISurface> back = round_trip(surface.get());
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->HasAlphaMap());
    EXPECT_EQ(test_support::read_pixels(back.get()), test_support::opaque(source));
}

TEST_F(Encoder, OnlyFormatZeroAndKnownDepthsAreEncoded) {
    Held<ISurface> surface(factory_->Create(4, 4, 32));
    EXPECT_EQ(encoder_->Encode(surface.get(), 1), nullptr);
    EXPECT_EQ(encoder_->Encode(nullptr, 0), nullptr);
    Held<ISurface> sixteen(factory_->Create(4, 4, 16));
    EXPECT_EQ(encoder_->Encode(sixteen.get(), 0), nullptr);
    Held<IMemory> ok(encoder_->Encode(surface.get(), 0));
    EXPECT_TRUE(ok);
}

}  // namespace
