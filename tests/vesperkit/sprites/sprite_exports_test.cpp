// The sprite table through its exports: guards and their messages, find-or-create, the queries,
// creation, copies and deletion.
#include <gtest/gtest.h>

#include <functional>

#include "support/sprite_engine.h"
#include "support/script_values.h"

namespace {

using test_support::Pixels;
using test_support::ScriptIntArray;
using test_support::sjis;
using test_support::SpriteEngine;

class SpriteExports : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine_.start()); }
    test_support::VesperkitExports& vk() { return engine_.vk(); }
    SpriteEngine engine_;
};

struct GuardCase {
    const char* what;
    std::function<int(test_support::VesperkitExports&)> call;
    std::string message;  // UTF-8
};

TEST_F(SpriteExports, GuardsReportTheirMessageAndChangeNothing) {
    const GuardCase cases[] = {
        {"SetPos 0", [](auto& vk) { return vk.SP_SetPos(0, 10, 20); }, "SP_SetPos\nnSP=0\nx=10\ny=20\n"},
        {"SetX -1", [](auto& vk) { return vk.SP_SetX(-1, 3); }, "SP_SetX\nnSP=-1\nnX=3\n"},
        {"SetY 0", [](auto& vk) { return vk.SP_SetY(0, 4); }, "SP_SetY\nnSP=0\nnY=4\n"},
        {"SetZ -1", [](auto& vk) { return vk.SP_SetZ(1, -1); }, "SP_SetZ\nnSP=1\nnZ=-1\n"},
        {"SetZ 0", [](auto& vk) { return vk.SP_SetZ(0, 5); }, "SP_SetZ\nnSP=0\nnZ=5\n"},
        {"BlendRate 256", [](auto& vk) { return vk.SP_SetBlendRate(1, 256); }, "SP_SetBlendRate\nnSP=1\nnBlendRate=256"},
        {"BlendRate -1", [](auto& vk) { return vk.SP_SetBlendRate(1, -1); }, "SP_SetBlendRate\nnSP=1\nnBlendRate=-1"},
        {"BlendRate sprite 0", [](auto& vk) { return vk.SP_SetBlendRate(0, 9); }, "SP_SetBlendRate\nnSP=0\nnBlendRate=9"},
        {"Brightness 300", [](auto& vk) { return vk.SP_SetBrightness(1, 300); },
         "SP_SetBrightness\nnSP=1\nnBrightness=300"},
        {"Brightness -2", [](auto& vk) { return vk.SP_SetBrightness(2, -2); },
         "SP_SetBrightness\nnSP=2\nnBrightness=-2"},
        {"Show 0 prints 0/1", [](auto& vk) { return vk.SP_SetShow(0, 7); }, "SP_Show\nnSP=0\nbShow=1\n"},
        {"Show 0 false", [](auto& vk) { return vk.SP_SetShow(0, 0); }, "SP_Show\nnSP=0\nbShow=0\n"},
        {"DrawMethod 0", [](auto& vk) { return vk.SP_SetDrawMethod(0, 2); }, "SP_SetDrawMethod\nnSP=0\nnMethod=2\n"},
        {"Delete 0", [](auto& vk) { return vk.SP_Delete(0); }, "SP_Delete\nnSP=0\n"},
        {"Create width 0", [](auto& vk) { return vk.SP_Create(3, 0, 10, 1, 2, 3, 4); },
         "SP_Create\nサイズ指定エラー\nnSP     = 3\nnWidth  = 0\nnHeight = 10\nrgb=(1,2,3)\nblend = 4\n"},
        {"Create height -5", [](auto& vk) { return vk.SP_Create(3, 10, -5, 0, 0, 0, 255); },
         "SP_Create\nサイズ指定エラー\nnSP     = 3\nnWidth  = 10\nnHeight = -5\nrgb=(0,0,0)\nblend = 255\n"},
        {"CreatePixelOnly height 0", [](auto& vk) { return vk.SP_CreatePixelOnly(4, 8, 0); },
         "SP_CreatePixelOnly\nサイズ指定エラー\nnSP     = 4\nnWidth  = 8\nnHeight = 0\n"},
        {"SetCG sprite 0", [](auto& vk) { return vk.SP_SetCG(0, 5); }, "nSP_SetCG\nnSP=0\nnCG=5\n"},
        {"SetCG CG 0", [](auto& vk) { return vk.SP_SetCG(1, 0); }, "nSP_SetCG\nnSP=1\nnCG=0\n"},
        {"SetWP -1", [](auto& vk) { return vk.SetWP(-1); }, "CTARN::SetWP\n壁紙番号エラー\nCG=-1\n"},
    };
    for (const auto& c : cases) {
        const size_t before = engine_.errors().size();
        EXPECT_EQ(c.call(vk()), 0) << c.what;
        ASSERT_EQ(engine_.errors().size(), before + 1) << c.what;
        EXPECT_EQ(engine_.errors().back(), sjis(c.message)) << c.what;
    }
    EXPECT_EQ(vk().SP_Count(), 0) << "no refused call made a sprite";
}

TEST_F(SpriteExports, ARefusedSetterLeavesTheSpriteAsItWas) {
    ASSERT_EQ(vk().SP_SetZ(1, 4), 1);
    ASSERT_EQ(vk().SP_SetBlendRate(1, 100), 1);
    EXPECT_EQ(vk().SP_SetZ(1, -1), 0);
    EXPECT_EQ(vk().SP_SetBlendRate(1, 256), 0);
    EXPECT_EQ(vk().SP_GetZ(1), 4);
    EXPECT_EQ(vk().SP_GetBlendRate(1), 100);
    EXPECT_EQ(vk().SP_SetZ(1, 0), 1) << "z 0 is accepted";
    EXPECT_EQ(vk().SP_GetZ(1), 0);
}

TEST_F(SpriteExports, SettingAPropertyOfAnAbsentSpriteMakesAnEmptyShownOne) {
    ASSERT_EQ(vk().SP_SetPos(5, 10, 20), 1);
    EXPECT_EQ(vk().SP_IsUsing(5), 1);
    EXPECT_EQ(vk().SP_GetPosX(5), 10);
    EXPECT_EQ(vk().SP_GetPosY(5), 20);
    EXPECT_EQ(vk().SP_GetWidth(5), 0);
    EXPECT_EQ(vk().SP_GetHeight(5), 0);
    EXPECT_EQ(vk().SP_GetShow(5), 1);
    EXPECT_EQ(vk().SP_GetBlendRate(5), 255);
    EXPECT_EQ(vk().SP_GetBrightness(5), 255);
    EXPECT_EQ(vk().SP_GetDrawMethod(5), 0);
    EXPECT_EQ(vk().SP_GetZ(5), 0);
    EXPECT_EQ(engine_.stored(5), nullptr);
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(SpriteExports, SettersStoreTheirValues) {
    EXPECT_EQ(vk().SP_SetX(2, 7), 1);
    EXPECT_EQ(vk().SP_GetPosY(2), 0) << "a new sprite's y";
    EXPECT_EQ(vk().SP_SetY(2, 9), 1);
    EXPECT_EQ(vk().SP_GetPosX(2), 7) << "SetY keeps x";
    EXPECT_EQ(vk().SP_SetX(2, -3), 1);
    EXPECT_EQ(vk().SP_GetPosY(2), 9) << "SetX keeps y";
    EXPECT_EQ(vk().SP_SetZ(2, 12), 1);
    EXPECT_EQ(vk().SP_SetBlendRate(2, 0), 1);
    EXPECT_EQ(vk().SP_SetBrightness(2, 255), 1);
    EXPECT_EQ(vk().SP_SetShow(2, 7), 1);
    EXPECT_EQ(vk().SP_GetShow(2), 1) << "any non-zero shows";
    EXPECT_EQ(vk().SP_SetDrawMethod(2, 3), 1);
    EXPECT_EQ(vk().SP_GetPosX(2), -3);
    EXPECT_EQ(vk().SP_GetZ(2), 12);
    EXPECT_EQ(vk().SP_GetBlendRate(2), 0);
    EXPECT_EQ(vk().SP_GetDrawMethod(2), 3);
    EXPECT_EQ(vk().SP_SetShow(2, 0), 1);
    EXPECT_EQ(vk().SP_GetShow(2), 0);
}

TEST_F(SpriteExports, GettersAndQueriesTakeAnyNumberAndAnswerZeroForAbsentSprites) {
    for (int n : {0, -1, 1, 99}) {
        EXPECT_EQ(vk().SP_GetPosX(n), 0);
        EXPECT_EQ(vk().SP_GetShow(n), 0);
        EXPECT_EQ(vk().SP_GetBlendRate(n), 0);
        EXPECT_EQ(vk().SP_GetBrightness(n), 0);
        EXPECT_EQ(vk().SP_IsUsing(n), 0);
        EXPECT_EQ(vk().SP_ExistAlpha(n), 0);
    }
    EXPECT_EQ(vk().SP_Delete(42), 0) << "absent: 0";
    EXPECT_EQ(vk().SP_CreateCopy(2, 42), 0);
    EXPECT_TRUE(engine_.errors().empty()) << "without a message";
    EXPECT_EQ(vk().SP_Create(0, 10, 10, 1, 2, 3, 4), 1) << "create checks only the size";
    EXPECT_EQ(vk().SP_IsUsing(0), 1);
    EXPECT_EQ(vk().SP_GetWidth(0), 10);
}

TEST_F(SpriteExports, GetUnuseNumSkipsTheRunOfUsedNumbers) {
    struct Case {
        std::vector<int> used;
        int first, expected;
    } cases[] = {
        {{1, 2, 4}, 3, 3}, {{3, 4}, 3, 5}, {{5, 6, 7}, 5, 8}, {{}, 0, 0}, {{-2, -1, 0, 1}, -2, 2},
        {{2147483646, 2147483647}, 2147483646, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        vk().SP_DeleteAll();
        for (int n : c.used) ASSERT_EQ(vk().SP_CreateCustom(n), 1);
        EXPECT_EQ(vk().SP_GetUnuseNum(c.first), c.expected) << c.first;
    }
}

TEST_F(SpriteExports, GetMaxZIsTheLargestZ) {
    EXPECT_EQ(vk().SP_GetMaxZ(), 0) << "empty table";
    vk().SP_SetZ(1, 5);
    engine_.facade()->SetZ(2, -3);  // only the facade takes negative z
    EXPECT_EQ(vk().SP_GetMaxZ(), 5);
    vk().SP_Delete(1);
    EXPECT_EQ(vk().SP_GetMaxZ(), -3);
}

TEST_F(SpriteExports, EnumListsTheNumbersInAscendingOrder) {
    for (int n : {30, 4, 17}) vk().SP_CreateCustom(n);
    EXPECT_EQ(vk().SP_Count(), 3);
    ScriptIntArray exact({0, 0, 0}), larger({-1, -1, -1, -1, -1});
    EXPECT_EQ(vk().SP_Enum(&exact), 3);
    EXPECT_EQ(exact.values(), (std::vector<int>{4, 17, 30}));
    EXPECT_EQ(vk().SP_Enum(&larger), 3);
    EXPECT_EQ(larger.values(), (std::vector<int>{4, 17, 30, -1, -1})) << "the rest untouched";
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(SpriteExports, EnumReportsAnArrayOfTheWrongShapeAndStillAnswersTheCount) {
    for (int n : {1, 2}) vk().SP_CreateCustom(n);
    struct Case {
        ScriptIntArray array;
        std::string message;
    } cases[] = {
        {ScriptIntArray({9, 9, 9, 9}, kScriptInt, 2), "SP_Enumに渡す配列は１次元で確保されていなければならない\n"},
        {ScriptIntArray({9, 9, 9, 9}, kScriptFloat), "SP_Enumの引数はintの配列でなければならない\n"},
        {ScriptIntArray({9}),
         "SP_Enumに渡す配列が必要個数分確保されていない\n必要な個数を取得するには、SP_Count()を呼び出す\n\n"},
    };
    for (auto& c : cases) {
        const std::vector<int> before = c.array.values();
        EXPECT_EQ(vk().SP_Enum(&c.array), 2);
        ASSERT_FALSE(engine_.errors().empty());
        EXPECT_EQ(engine_.errors().back(), sjis(c.message));
        EXPECT_EQ(c.array.values(), before) << "nothing written";
    }
    EXPECT_EQ(vk().SP_Enum(nullptr), 2);
}

TEST_F(SpriteExports, CreateFillsPixelsAndAlphaMap) {
    ASSERT_EQ(vk().SP_Create(1, 3, 2, 10, 20, 30, 128), 1);
    ISurface* s = engine_.stored(1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(vk().SP_GetWidth(1), 3);
    EXPECT_EQ(vk().SP_GetHeight(1), 2);
    EXPECT_EQ(s->GetBitsPerPixel(), 32) << "the main surface's depth";
    EXPECT_EQ(test_support::read_pixels(s), test_support::solid(3, 2, 0x800A141E));
    EXPECT_EQ(test_support::read_alpha_map(s), std::vector<uint8_t>(6, 128));
    EXPECT_EQ(vk().SP_ExistAlpha(1), 1);

    ASSERT_EQ(vk().SP_CreatePixelOnly(2, 4, 4), 1);
    EXPECT_FALSE(engine_.stored(2)->HasAlphaMap());
    EXPECT_EQ(vk().SP_ExistAlpha(2), 0);
}

TEST_F(SpriteExports, CreatingReplacesTheImageAndKeepsTheProperties) {
    vk().SP_SetPos(1, 5, 6);
    vk().SP_SetBlendRate(1, 40);
    ASSERT_EQ(vk().SP_Create(1, 8, 8, 0, 0, 0, 255), 1);
    ASSERT_EQ(vk().SP_CreatePixelOnly(1, 2, 3), 1);
    EXPECT_EQ(vk().SP_GetWidth(1), 2);
    EXPECT_EQ(vk().SP_GetHeight(1), 3);
    EXPECT_EQ(vk().SP_GetPosX(1), 5);
    EXPECT_EQ(vk().SP_GetBlendRate(1), 40);
}

TEST_F(SpriteExports, AFactoryFailureFailsCreationSilently) {
    vk().SP_SetPos(1, 1, 1);
    platform::fail("ISurfaceFactory.Create");
    EXPECT_EQ(vk().SP_Create(1, 8, 8, 0, 0, 0, 255), 0);
    EXPECT_EQ(vk().SP_CreatePixelOnly(2, 8, 8), 0);
    EXPECT_TRUE(engine_.errors().empty());
    EXPECT_EQ(vk().SP_IsUsing(2), 0) << "nothing changed";
    EXPECT_EQ(vk().SP_GetWidth(1), 0);
}

TEST_F(SpriteExports, CreateCustomMarksTheSpriteAndKeepsItsImage) {
    ASSERT_EQ(vk().SP_Create(3, 4, 4, 1, 1, 1, 1), 1);
    ISurface* image = engine_.stored(3);
    EXPECT_EQ(vk().SP_CreateCustom(3), 1);
    EXPECT_EQ(engine_.stored(3), image);
    EXPECT_EQ(vk().SP_CreateCustom(4), 1);
    EXPECT_EQ(vk().SP_IsUsing(4), 1);
}

TEST_F(SpriteExports, CreateCopyCopiesTheImageAndNothingElse) {
    ASSERT_EQ(vk().SP_Create(1, 5, 4, 0, 0, 0, 0), 1);
    const Pixels picture = test_support::pattern(5, 4, 3, true);
    test_support::write_pixels(engine_.stored(1), picture);
    vk().SP_SetPos(2, 30, 40);
    vk().SP_SetZ(2, 8);
    ASSERT_EQ(vk().SP_CreateCopy(2, 1), 1);
    ISurface* copy = engine_.stored(2);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, engine_.stored(1)) << "a surface of its own";
    EXPECT_EQ(test_support::read_pixels(copy), picture);
    EXPECT_EQ(test_support::read_alpha_map(copy), test_support::read_alpha_map(engine_.stored(1)));
    EXPECT_EQ(vk().SP_GetPosX(2), 30);
    EXPECT_EQ(vk().SP_GetZ(2), 8);

    ASSERT_EQ(vk().SP_CreatePixelOnly(3, 2, 2), 1);
    ASSERT_EQ(vk().SP_CreateCopy(4, 3), 1);
    EXPECT_FALSE(engine_.stored(4)->HasAlphaMap()) << "an alpha map exactly when the source has one";
    vk().SP_CreateCustom(5);
    EXPECT_EQ(vk().SP_CreateCopy(6, 5), 0) << "a source without image";
    EXPECT_EQ(vk().SP_IsUsing(6), 0);
}

TEST_F(SpriteExports, DeleteAndDeleteAll) {
    for (int n : {1, 2, 3}) vk().SP_CreateCustom(n);
    EXPECT_EQ(vk().SP_Delete(2), 1);
    EXPECT_EQ(vk().SP_IsUsing(2), 0);
    EXPECT_EQ(vk().SP_Delete(2), 0);
    vk().SP_DeleteAll();
    EXPECT_EQ(vk().SP_Count(), 0);
    EXPECT_TRUE(engine_.errors().empty());
}

TEST_F(SpriteExports, DeletingASpriteReleasesItsImage) {
    ASSERT_EQ(vk().SP_Create(1, 4, 4, 0, 0, 0, 0), 1);
    ISurface* image = engine_.stored(1);
    image->AddRef();
    vk().SP_Delete(1);
    EXPECT_EQ(image->Release(), 0) << "the test held the last reference";
}

}  // namespace
