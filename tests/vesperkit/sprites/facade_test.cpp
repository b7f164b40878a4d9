// The facade's start: what it cannot do without, and exports that find no started engine.
#include <gtest/gtest.h>

#include "support/sprite_engine.h"
#include "support/script_values.h"

namespace {

using test_support::EngineHost;
using test_support::sjis;

TEST(Facade, ACgCacheThatCannotBeMadeFailsTheStart) {
    platform::fail("Vesperkit.new.CCGCache");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.errors().size(), 1u);
    EXPECT_EQ(engine.errors()[0], sjis("TARN初期化エラー(Init)\nTarnEngine Init失敗\n\n"));
}

TEST(Facade, ExportsAnswerZeroBeforeTheEngineStarted) {
    EngineHost engine;
    ASSERT_TRUE(engine.loaded());
    test_support::ScriptIntArray numbers({0});
    test_support::ScriptString path("x.png");
    EXPECT_EQ(engine.vk.SP_SetPos(1, 2, 3), 0);
    EXPECT_EQ(engine.vk.SP_Create(1, 2, 2, 0, 0, 0, 0), 0);
    EXPECT_EQ(engine.vk.SP_GetPosX(1), 0);
    EXPECT_EQ(engine.vk.SP_Count(), 0);
    EXPECT_EQ(engine.vk.SP_Enum(&numbers), 0);
    EXPECT_EQ(engine.vk.SP_SetCG(1, 1), 0);
    EXPECT_EQ(engine.vk.SP_SaveCG(1, &path), 0);
    EXPECT_EQ(engine.vk.CG_IsExist(1), 0);
    EXPECT_EQ(engine.vk.SetWP(1), 0);
    engine.vk.SP_DeleteAll();
    EXPECT_TRUE(engine.errors().empty());
}

}  // namespace
