// Reports after start-up, the Error export and the diagnostic exports.
#include <gtest/gtest.h>

#include "interfaces/error_message.h"
#include "support/engine_host.h"
#include "support/script_values.h"

namespace {

using test_support::EngineHost;
using test_support::ScriptString;
using test_support::sjis;

TEST(Error, ShowsTheTextUnformattedWithALineBreak) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    ScriptString text("100%s done %d%%");
    EXPECT_EQ(engine.vk.Error(&text), 0);
    ASSERT_EQ(engine.errors().size(), 1u);
    EXPECT_EQ(engine.errors()[0], "100%s done %d%%\n");
}

TEST(Error, LongTextsAreCutAtTheReportBuffer) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    // 16 382 characters and the line break fit exactly; longer texts lose their end.
    ScriptString fits(std::string(16382, 'a'));
    engine.vk.Error(&fits);
    ScriptString too_long(std::string(20000, 'b'));
    engine.vk.Error(&too_long);
    ASSERT_EQ(engine.errors().size(), 2u);
    EXPECT_EQ(engine.errors()[0], std::string(16382, 'a') + "\n");
    EXPECT_EQ(engine.errors()[1], std::string(16383, 'b'));
}

TEST(ErrorMessage, AFormattedReportOf16383CharactersIsShownWhole) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto* reporter = static_cast<IErrorMessage*>(engine.vk.GetInterface(&IID_ITarnErrorMessage));
    ASSERT_NE(reporter, nullptr);
    const std::string text(16383, 'x');
    reporter->Open("%s", text.c_str());
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
    reporter->Open(nullptr);
#pragma GCC diagnostic pop
    ASSERT_EQ(engine.errors().size(), 1u);
    EXPECT_EQ(engine.errors()[0], text);
    EXPECT_EQ(platform::debug_lines().back(), sjis("〓ERROR〓 format=NULL @ CErrorMessage::Open @ TARN2\n"));
    reporter->Release();
}

TEST(ErrorMessage, WithoutTheVmsErrorDisplayNothingIsShown) {
    platform::fail("vm.IVMErrorMsg");
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    ScriptString text("lost");
    EXPECT_EQ(engine.vk.Error(&text), 0);
    EXPECT_TRUE(engine.errors().empty());
    EXPECT_TRUE(engine.message_boxes().empty());
}

struct StackCase {
    int depth;
    std::string expected;
};

TEST(DebugGetFuncStack, NamesFramesUpToTheDepth) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto& vm = engine.host().vm;
    vm.func_name.names_ = {"main", "scene", "draw"};
    // Depth 0..3: frame ids 2, 0, 5 (no function), -1 (none), 1.
    vm.call_stack.frames_ = {2, 0, 5, -1, 1};
    vm.call_stack.functions_ = {0, 1, 2, -1, -1, -1};
    const std::string arrow = sjis("←");
    const StackCase cases[] = {
        {0, "draw" + arrow},
        {1, "draw" + arrow + "main" + arrow},
        {-1, "draw" + arrow + "main" + arrow + "scene" + arrow},
        {99, "draw" + arrow + "main" + arrow + "scene" + arrow},
    };
    for (const auto& c : cases) {
        ScriptString out("old");
        engine.vk.Debug_GetFuncStack(&out, c.depth);
        EXPECT_EQ(out.text(), c.expected) << c.depth;
    }
    vm.call_stack.frames_.clear();
    ScriptString out("old");
    engine.vk.Debug_GetFuncStack(&out, -1);
    EXPECT_EQ(out.text(), "");
}

TEST(DebugPause, PausesIntoTheScriptDebuggerWhenThereIsOne) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.vk.Debug_Pause();
    EXPECT_EQ(engine.host().vm.debug_pause.pauses_, 1);
}

TEST(DebugPause, DoesNothingWithoutOne) {
    platform::fail("vm.IVMDebugPause");
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.vk.Debug_Pause();
    EXPECT_EQ(engine.host().vm.debug_pause.pauses_, 0);
}

TEST(MemoryFigures, AreZeroOutsideDebugMode) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    EXPECT_EQ(engine.vk.Debug_GetCurrentAllocatedMemorySize(), 0);
    EXPECT_EQ(engine.vk.Debug_GetMaxAllocatedMemorySize(), 0);
}

}  // namespace
