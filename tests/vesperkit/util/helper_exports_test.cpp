// The number, string, date and message exports on the reference host.
#include <gtest/gtest.h>

#include <climits>

#include "platform/debug_output.h"
#include "support/engine_host.h"
#include "support/script_values.h"

namespace {

using test_support::EngineHost;
using test_support::ScriptString;
using test_support::sjis;

TEST(NumberExports, WriteFixedWidthTextIntoTheString) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    ScriptString out("old");
    engine.vk.IntToHankaku(&out, -42, 5, 1);
    EXPECT_EQ(out.text(), "-0042");
    engine.vk.IntToHankaku(&out, INT_MIN, -1, 0);
    EXPECT_EQ(out.text(), "-2147483648");
    // Any non-zero flag fills with zeros.
    engine.vk.IntToZenkaku(&out, 7, 3, 2);
    EXPECT_EQ(out.text(), sjis("００７"));
    engine.vk.IntToZenkaku(&out, INT_MIN, 12, 0);
    EXPECT_EQ(out.text(), sjis("　－２１４７４８３６４８"));
    engine.vk.IntToZenkaku(nullptr, 1, 1, 0);
}

TEST(NumberExports, AnAbsurdWidthLeavesTheStringAndTellsTheDeveloper) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    ScriptString out("old");
    platform::clear_debug_lines();
    engine.vk.IntToHankaku(&out, 1, INT_MAX, 0);
    engine.vk.IntToZenkaku(&out, 1, INT_MAX, 1);
    EXPECT_EQ(out.text(), "old");
    ASSERT_EQ(platform::debug_lines().size(), 2u);
    EXPECT_EQ(platform::debug_lines()[1].rfind("IntToZenkaku", 0), 0u);
}

TEST(StringPopFrontExport, MovesTheFirstCharacter) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    struct Case {
        std::string source;
        int result;
        std::string taken;
        std::string rest;
    };
    const Case cases[] = {
        {sjis("表A"), 2, sjis("表"), "A"},
        {"Ab", 1, "A", "b"},
        {"", 0, "", ""},
        {"\x82", 2, "\x82", ""},  // a lead byte at the very end goes alone
    };
    for (const auto& c : cases) {
        ScriptString out("old"), source(c.source);
        EXPECT_EQ(engine.vk.StringPopFront(&out, &source), c.result);
        EXPECT_EQ(out.text(), c.taken);
        EXPECT_EQ(source.text(), c.rest);
    }
    // Byte A0 starts a character in GBK but not in Shift-JIS.
    ScriptString out, source("\xA0\xA1z");
    EXPECT_EQ(engine.vk.StringPopFront(&out, &source), 1);
    platform::set_ansi_code_page(platform::kCodePageGbk);
    source.Set("\xA0\xA1z");
    EXPECT_EQ(engine.vk.StringPopFront(&out, &source), 2);
    EXPECT_EQ(out.text(), "\xA0\xA1");
    EXPECT_EQ(source.text(), "z");
    // One string as both: the rest wins, as it is set last.
    ScriptString both("xy");
    EXPECT_EQ(engine.vk.StringPopFront(&both, &both), 1);
    EXPECT_EQ(both.text(), "y");
    EXPECT_EQ(engine.vk.StringPopFront(nullptr, &both), 0);
    EXPECT_EQ(both.text(), "y");
}

TEST(DateTimeExports, ReadTheLocalTimeOfTheClock) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.clock().set_local_time({2024, 2, 4, 29, 23, 59, 58, 999});
    int year = 0, month = 0, day = 0, day_of_week = 0;
    engine.vk.System_GetDate(&year, &month, &day, &day_of_week);
    EXPECT_EQ((std::vector<int>{year, month, day, day_of_week}), (std::vector<int>{2024, 2, 29, 4}));
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
    engine.vk.System_GetTime(&hour, &minute, &second, &milliseconds);
    EXPECT_EQ((std::vector<int>{hour, minute, second, milliseconds}), (std::vector<int>{23, 59, 58, 999}));
    engine.vk.System_GetTime(nullptr, &minute, nullptr, nullptr);
}

TEST(GameMessageExports, ReadTheVmsMessageTable) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.host().vm.game_msg.messages_ = {sjis("はじめから"), "Continue"};
    EXPECT_EQ(engine.vk.GAME_MSG_GetNumof(), 2);
    ScriptString out("old");
    engine.vk.GAME_MSG_Get(0, &out);
    EXPECT_EQ(out.text(), sjis("はじめから"));
    engine.vk.GAME_MSG_Get(1, &out);
    EXPECT_EQ(out.text(), "Continue");
    // The VM has no text for this number and answers null.
    engine.vk.GAME_MSG_Get(2, &out);
    EXPECT_EQ(out.text(), "");
    engine.vk.GAME_MSG_Get(0, nullptr);
}

}  // namespace
