// CGs into sprites: loading through the cache, copy on write, the retry box, the CG queries.
#include <gtest/gtest.h>

#include "interfaces/draw_plugin.h"
#include "interfaces/engine_services.h"
#include "support/sprite_engine.h"
#include "support/script_values.h"
#include "support/service_module.h"

namespace {

using test_support::Pixels;
using test_support::ScriptPage;
using test_support::ScriptString;
using test_support::sjis;
using test_support::SpriteEngine;

std::vector<uint8_t> png_of(const Pixels& p, bool alpha) { return test_support::png_file(p, alpha); }

TEST(SetCG, GivesTheSpriteTheDecodedImage) {
    SpriteEngine engine;
    const Pixels picture = test_support::pattern(20, 10, 1, true);
    engine.put_cg(1200, png_of(picture, true));
    ASSERT_TRUE(engine.start());
    engine.vk().SP_SetPos(5, 3, 4);
    ASSERT_EQ(engine.vk().SP_SetCG(5, 1200), 1);
    EXPECT_EQ(engine.vk().SP_GetWidth(5), 20);
    EXPECT_EQ(engine.vk().SP_GetHeight(5), 10);
    EXPECT_EQ(engine.vk().SP_GetPosX(5), 3) << "properties stay";
    EXPECT_EQ(test_support::read_pixels(engine.stored(5)), picture);
    ASSERT_EQ(engine.vk().SP_SetCG(6, 1200), 1) << "a new sprite";
    EXPECT_EQ(engine.vk().SP_IsUsing(6), 1);
}

TEST(SetCG, AMissingCgFailsSilentlyAndLeavesTheSprite) {
    SpriteEngine engine;
    ASSERT_TRUE(engine.start());
    ASSERT_EQ(engine.vk().SP_Create(1, 4, 4, 0, 0, 0, 0), 1);
    ISurface* before = engine.stored(1);
    EXPECT_EQ(engine.vk().SP_SetCG(1, 77), 0);
    EXPECT_EQ(engine.vk().SP_SetCG(2, 77), 0);
    EXPECT_EQ(engine.stored(1), before);
    EXPECT_EQ(engine.vk().SP_IsUsing(2), 0);
    EXPECT_TRUE(engine.errors().empty());
    EXPECT_TRUE(engine.host().message_boxes().empty());
}

TEST(SetCG, TheSameCgTwiceSharesOneSurfaceUntilOneSpriteIsWritten) {
    SpriteEngine engine;
    const Pixels picture = test_support::pattern(8, 8, 2, true);
    engine.put_cg(3, png_of(picture, true));
    ASSERT_TRUE(engine.start());
    ASSERT_EQ(engine.vk().SP_SetCG(1, 3), 1);
    ASSERT_EQ(engine.vk().SP_SetCG(2, 3), 1);
    ISurface* shared = engine.stored(1);
    EXPECT_EQ(engine.stored(2), shared);

    // Writing through the surface for writing gives sprite 2 a copy; sprite 1 keeps the original.
    ISurface* written = engine.facade()->GetSurfaceForWriting(2);
    ASSERT_NE(written, nullptr);
    EXPECT_NE(written, shared);
    EXPECT_EQ(engine.stored(2), written);
    EXPECT_EQ(test_support::read_pixels(written), picture) << "the copy starts as the original";
    test_support::write_pixels(written, test_support::solid(8, 8, 0xFF123456));
    EXPECT_EQ(test_support::read_pixels(engine.stored(1)), picture);
    EXPECT_EQ(engine.facade()->GetSurfaceForWriting(2), written) << "a private image is not copied again";

    // The cache still holds the original: a third sprite gets it, unwritten.
    ASSERT_EQ(engine.vk().SP_SetCG(3, 3), 1);
    EXPECT_EQ(engine.stored(3), shared);
}

TEST(SetCG, OtherPluginsWriteThroughTheSameCopyOnWrite) {
    SpriteEngine engine;
    engine.put_cg(3, png_of(test_support::pattern(4, 4, 2, false), false));
    ASSERT_TRUE(engine.start());
    engine.vk().SP_SetCG(1, 3);
    engine.vk().SP_SetCG(2, 3);
    // The movie player finds the service at the process's one draw-plug-in manager.
    test_support::Held<IDrawPluginManager> manager(
        test_support::create_service<IDrawPluginManager>("Overlayr", IID_IDrawPluginManager));
    ASSERT_TRUE(manager);
    auto* service = static_cast<IChangeNumToISurface2*>(manager->GetInterface(IID_IChangeNumToISurface2));
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(service->ChangeStored(1), engine.stored(2)) << "stored: no copy";
    ISurface* own = service->Change(1);
    EXPECT_NE(own, engine.stored(2));
    EXPECT_EQ(engine.stored(1), own);
}

TEST(SetCG, ExistAlphaAsksTheSurfaceForWriting) {
    SpriteEngine engine;
    engine.put_cg(1, png_of(test_support::pattern(4, 4, 2, true), true));
    engine.put_cg(2, png_of(test_support::pattern(4, 4, 2, false), false));
    ASSERT_TRUE(engine.start());
    engine.vk().SP_SetCG(1, 1);
    engine.vk().SP_SetCG(2, 2);
    ISurface* cached = engine.stored(1);
    EXPECT_EQ(engine.vk().SP_ExistAlpha(1), 1);
    EXPECT_NE(engine.stored(1), cached) << "the shared image was copied on the way";
    EXPECT_EQ(engine.vk().SP_ExistAlpha(2), 0);
}

// 640 × 480 × 4 bytes: 1 228 800, more than one megabyte.
constexpr int kWide = 640, kHigh = 480;

TEST(CgCache, AOneMegabyteCacheKeepsOnlyTheNewestOfTwoLargeCgs) {
    SpriteEngine engine;
    for (int n : {1, 2}) engine.put_cg(n, png_of(test_support::solid(kWide, kHigh, 0xFF000000u | n), false));
    ASSERT_TRUE(engine.start({.cache_megabytes = 1}));
    ASSERT_EQ(engine.vk().SP_SetCG(1, 1), 1);
    ASSERT_EQ(engine.vk().SP_SetCG(2, 1), 1);
    EXPECT_EQ(engine.stored(2), engine.stored(1)) << "alone beyond the capacity, it stays";
    ASSERT_EQ(engine.vk().SP_SetCG(3, 2), 1);
    ASSERT_EQ(engine.vk().SP_SetCG(4, 1), 1);
    EXPECT_NE(engine.stored(4), engine.stored(1)) << "CG 1 was evicted and decoded again";
    ASSERT_EQ(engine.vk().SP_SetCG(5, 1), 1);
    EXPECT_EQ(engine.stored(5), engine.stored(4));
}

TEST(CgCache, ACapacityOfZeroStillKeepsTheLastCg) {
    SpriteEngine engine;
    engine.put_cg(1, png_of(test_support::solid(2, 2, 0xFF102030), false));
    engine.put_cg(2, png_of(test_support::solid(2, 2, 0xFF405060), false));
    ASSERT_TRUE(engine.start({.cache_megabytes = 0}));
    engine.vk().SP_SetCG(1, 1);
    engine.vk().SP_SetCG(2, 1);
    EXPECT_EQ(engine.stored(1), engine.stored(2));
    engine.vk().SP_SetCG(3, 2);
    engine.vk().SP_SetCG(4, 1);
    EXPECT_NE(engine.stored(4), engine.stored(1));
}

TEST(CgCache, ALargeCacheKeepsEverything) {
    SpriteEngine engine;
    for (int n : {1, 2, 3}) engine.put_cg(n, png_of(test_support::solid(kWide, kHigh, 0xFF000000u | n), false));
    ASSERT_TRUE(engine.start({.cache_megabytes = 64}));
    for (int n : {1, 2, 3}) engine.vk().SP_SetCG(n, n);
    for (int n : {1, 2, 3}) {
        engine.vk().SP_SetCG(10 + n, n);
        EXPECT_EQ(engine.stored(10 + n), engine.stored(n)) << n;
    }
}

class RetryBox : public testing::Test {
protected:
    void SetUp() override {
        engine_.put_cg(7, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
        ASSERT_TRUE(engine_.start());
    }
    const std::string kTitle = sjis("CGﾛｰﾄﾞｴﾗｰ - TarnEngineDX.dll");
    const std::string kText = sjis("7番のCGのロードに失敗しました。");
    SpriteEngine engine_;
};

TEST_F(RetryBox, CancelIsRememberedForThatCg) {
    engine_.host().answer_boxes_with(platform::MessageBoxAnswer::kCancel);
    EXPECT_EQ(engine_.vk().SP_SetCG(1, 7), 0);
    ASSERT_EQ(engine_.host().message_boxes().size(), 1u);
    EXPECT_EQ(engine_.host().message_boxes()[0].title, kTitle);
    EXPECT_EQ(engine_.host().message_boxes()[0].text, kText);
    EXPECT_EQ(engine_.vk().SP_SetCG(1, 7), 0);
    EXPECT_EQ(engine_.vk().SetWP(7), 0);
    EXPECT_EQ(engine_.host().message_boxes().size(), 1u) << "no second box";
    EXPECT_EQ(engine_.vk().SP_IsUsing(1), 0);
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(RetryBox, RetryLoadsAgain) {
    // The player mends the file while the box is up, then retries.
    std::vector<platform::MessageBoxRequest> boxes;
    const Pixels picture = test_support::pattern(3, 3, 8, false);
    platform::set_message_box_sink([&](const platform::MessageBoxRequest& box) {
        boxes.push_back(box);
        if (boxes.size() == 2) test_support::write_file(engine_.cg_path(7), png_of(picture, false));
        return platform::MessageBoxAnswer::kRetry;
    });
    EXPECT_EQ(engine_.vk().SP_SetCG(1, 7), 1);
    ASSERT_EQ(boxes.size(), 2u) << "asked again after the first retry";
    EXPECT_EQ(boxes[0].buttons, platform::MessageBoxButtons::kRetryCancel);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(test_support::read_pixels(engine_.stored(1)), test_support::opaque(picture));
}

TEST(CgIsExist, AnswersFromTheLinkFile) {
    SpriteEngine engine;
    engine.put_cg(4, {1, 2, 3});
    ASSERT_TRUE(engine.start());
    EXPECT_EQ(engine.vk().CG_IsExist(4), 1) << "the entry exists, decodable or not";
    EXPECT_EQ(engine.vk().CG_IsExist(5), 0);
    EXPECT_EQ(engine.vk().CG_IsExist(0), 0);
}

class Metrics : public testing::Test {
protected:
    void SetUp() override {
        engine_.put_cg(1, png_of(test_support::pattern(33, 17, 1, true), true));
        engine_.put_cg(2, png_of(test_support::pattern(5, 6, 1, false), false));
        ASSERT_TRUE(engine_.start());
    }
    static ScriptPage ints(int count) { return ScriptPage(std::vector<int>(size_t(count), kScriptInt)); }
    SpriteEngine engine_;
};

TEST_F(Metrics, WritesTheSevenValuesOfTheDecodedCg) {
    ScriptPage page = ints(8);
    page.at(7) = 99;
    ASSERT_EQ(engine_.vk().CG_GetMetrics(1, &page), 1);
    const int expected[] = {33, 17, 32, 33 * 4, 36, 1, 1};  // alpha lines padded to four bytes
    for (int i = 0; i < 7; ++i) EXPECT_EQ(page.at(i), expected[i]) << i;
    EXPECT_EQ(page.at(7), 99) << "members after the seventh untouched";
    ScriptPage opaque = ints(7);
    ASSERT_EQ(engine_.vk().CG_GetMetrics(2, &opaque), 1);
    const int opaque_expected[] = {5, 6, 32, 20, 0, 1, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(opaque.at(i), opaque_expected[i]) << i;
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(Metrics, ReportsAStructureOfTheWrongShape) {
    ScriptPage six = ints(6);
    EXPECT_EQ(engine_.vk().CG_GetMetrics(1, &six), 0);
    ASSERT_EQ(engine_.errors().size(), 1u);
    EXPECT_EQ(engine_.errors()[0], sjis("CG_GetMetrics内部エラー\n構造体メンバー個数不足\n"));

    ScriptPage string_at_3({kScriptInt, kScriptInt, kScriptInt, kScriptString, kScriptInt, kScriptInt, kScriptInt});
    ScriptString text("x");
    string_at_3.set_object(3, &text);
    EXPECT_EQ(engine_.vk().CG_GetMetrics(1, &string_at_3), 0);
    ASSERT_EQ(engine_.errors().size(), 2u);
    EXPECT_EQ(engine_.errors()[1], sjis("CG_GetMetrics内部エラー\n構造体メンバー型異常\n3番のメンバ\n"));
    EXPECT_EQ(string_at_3.at(0), 0) << "nothing written before the check";

    ScriptPage bool_at_6({kScriptInt, kScriptInt, kScriptInt, kScriptInt, kScriptInt, kScriptInt, kScriptBool});
    EXPECT_EQ(engine_.vk().CG_GetMetrics(1, &bool_at_6), 0);
    EXPECT_EQ(engine_.errors().back(), sjis("CG_GetMetrics内部エラー\n構造体メンバー型異常\n6番のメンバ\n"));
}

TEST_F(Metrics, AMissingOrUndecodableCgAnswersZeroWithoutAMessage) {
    ScriptPage page = ints(7);
    EXPECT_EQ(engine_.vk().CG_GetMetrics(9, &page), 0);
    ScriptPage six = ints(6);
    EXPECT_EQ(engine_.vk().CG_GetMetrics(9, &six), 0) << "the CG is read before the structure";
    EXPECT_TRUE(engine_.errors().empty());
    EXPECT_TRUE(engine_.host().message_boxes().empty());
}

TEST_F(Metrics, LeaveTheCacheAlone) {
    ASSERT_EQ(engine_.vk().SP_SetCG(1, 1), 1);
    ScriptPage page = ints(7);
    ASSERT_EQ(engine_.vk().CG_GetMetrics(1, &page), 1);
    ASSERT_EQ(engine_.vk().SP_SetCG(2, 1), 1);
    EXPECT_EQ(engine_.stored(2), engine_.stored(1)) << "still the cached surface";
}

}  // namespace
