// Debug mode: replacement images in "CG" and "CG\SP" of the current directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/sprite_engine.h"

namespace {

using test_support::BmpLayout;
using test_support::Pixels;
using test_support::SpriteEngine;

class DebugOverride : public testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::create_directories(folder_ / "CG/SP");
        std::filesystem::current_path(folder_.path());
        engine_.put_cg(12, test_support::png_file(from_link_, false));
    }
    void TearDown() override { std::filesystem::current_path(previous_); }
    void put(const std::string& name, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(test_support::write_file(folder_ / name, bytes));
    }
    Pixels stored_pixels(int sprite) { return test_support::read_pixels(engine_.stored(sprite)); }

    const Pixels from_link_ = test_support::solid(6, 4, 0xFF111111);
    const Pixels colours_ = test_support::opaque(test_support::pattern(6, 4, 1, false));
    const Pixels alphas_ = test_support::pattern(6, 4, 2, true);
    std::filesystem::path previous_;
    test_support::TempDir folder_;
    SpriteEngine engine_;
};

TEST_F(DebugOverride, ColoursFromTheMainFileAndFourthBytesFromTheSpFile) {
    put("CG/CG00012.png", test_support::png_file(colours_, false));
    put("CG/SP/CG00012.bmp", test_support::bmp_file(alphas_, BmpLayout::k32));
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    Pixels want = colours_;
    for (size_t i = 0; i < want.argb.size(); ++i) want.argb[i] = (want.argb[i] & 0xFFFFFF) | (alphas_.argb[i] & 0xFF000000);
    EXPECT_EQ(stored_pixels(1), want);
    EXPECT_TRUE(engine_.stored(1)->HasAlphaMap());
    EXPECT_EQ(test_support::read_alpha_map(engine_.stored(1)), std::vector<uint8_t>(24, 0))
        << "the separate alpha plane is not written";
    ASSERT_EQ(engine_.vk().SP_SetCG(2, 12), 1);
    EXPECT_EQ(engine_.stored(2), engine_.stored(1)) << "replacements are cached like any CG";
}

TEST_F(DebugOverride, AMainFileAloneIsTheImage) {
    put("CG/CG00012.png", test_support::png_file(colours_, false));
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), colours_);
}

TEST_F(DebugOverride, BmpIsPreferredOverPng) {
    put("CG/CG00012.png", test_support::png_file(colours_, false));
    put("CG/CG00012.bmp", test_support::bmp_file(test_support::solid(6, 4, 0xFF00FF00), BmpLayout::k24));
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), test_support::solid(6, 4, 0xFF00FF00));
}

TEST_F(DebugOverride, AnSpFileAloneLeavesTheCgToTheLinkFile) {
    put("CG/SP/CG00012.bmp", test_support::bmp_file(alphas_, BmpLayout::k32));
    put("CG/SP/CG00013.bmp", test_support::bmp_file(alphas_, BmpLayout::k32));
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), from_link_);
    EXPECT_EQ(engine_.vk().CG_IsExist(12), 1);
    EXPECT_EQ(engine_.vk().CG_IsExist(13), 0) << "the SP folder is not consulted";
}

TEST_F(DebugOverride, CgIsExistSeesMainFilesOfEveryExtension) {
    put("CG/CG00020.jpg", {1, 2, 3});
    put("CG/CG00021.bmp", {1});
    put("CG/CG00022.png", {1});
    put("CG/cg00023.png", {1});  // names are compared byte for byte
    put("CG/CG00024.gif", {1});
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    for (int n : {20, 21, 22}) EXPECT_EQ(engine_.vk().CG_IsExist(n), 1) << n;
    for (int n : {23, 24, 25}) EXPECT_EQ(engine_.vk().CG_IsExist(n), 0) << n;
}

// Each case starts an engine, and an engine starts once per process: one test per case.
enum class Unusable { kMainUndecodable, kMainEmpty, kSpUndecodable, kSizesDiffer, kSpWithoutAlpha };

std::string unusable_name(const testing::TestParamInfo<Unusable>& info) {
    const char* const names[] = {"MainUndecodable", "MainEmpty", "SpUndecodable", "SizesDiffer", "SpWithoutAlpha"};
    return names[int(info.param)];
}

class UnusableReplacement : public DebugOverride, public testing::WithParamInterface<Unusable> {};

TEST_P(UnusableReplacement, FallsBackToTheLinkFile) {
    const std::vector<uint8_t> main = test_support::png_file(colours_, false);
    switch (GetParam()) {
    case Unusable::kMainUndecodable: put("CG/CG00012.png", {'x'}); break;
    case Unusable::kMainEmpty: put("CG/CG00012.png", {}); break;
    case Unusable::kSpUndecodable:
        put("CG/CG00012.png", main);
        put("CG/SP/CG00012.bmp", {'x'});
        break;
    case Unusable::kSizesDiffer:
        put("CG/CG00012.png", main);
        put("CG/SP/CG00012.bmp", test_support::bmp_file(test_support::pattern(5, 4, 2, true), BmpLayout::k32));
        break;
    case Unusable::kSpWithoutAlpha:
        put("CG/CG00012.png", main);
        put("CG/SP/CG00012.bmp", test_support::bmp_file(colours_, BmpLayout::k24));
        break;
    }
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), from_link_);
    EXPECT_TRUE(engine_.host().message_boxes().empty()) << "a replacement that fails asks nothing";
}

INSTANTIATE_TEST_SUITE_P(DebugOverride, UnusableReplacement,
                         testing::Values(Unusable::kMainUndecodable, Unusable::kMainEmpty, Unusable::kSpUndecodable,
                                         Unusable::kSizesDiffer, Unusable::kSpWithoutAlpha),
                         unusable_name);

TEST_F(DebugOverride, TheFoldersAreListedOnceAtStart) {
    ASSERT_TRUE(engine_.start({.debug_mode = true}));
    put("CG/CG00012.png", test_support::png_file(colours_, false));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), from_link_);
}

TEST_F(DebugOverride, OutsideDebugModeTheFoldersAreIgnored) {
    put("CG/CG00012.png", test_support::png_file(colours_, false));
    put("CG/CG00030.png", test_support::png_file(colours_, false));
    ASSERT_TRUE(engine_.start({.debug_mode = false}));
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 12), 1);
    EXPECT_EQ(stored_pixels(1), from_link_);
    EXPECT_EQ(engine_.vk().CG_IsExist(30), 0);
    EXPECT_EQ(engine_.vk().SP_SetCG(2, 30), 0);
}

}  // namespace
