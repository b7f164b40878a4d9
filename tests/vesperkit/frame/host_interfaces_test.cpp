// The host interfaces the engine asks for at start-up.
#include <gtest/gtest.h>

#include "support/engine_host.h"

namespace {

using test_support::EngineHost;
using test_support::sjis;

TEST(HostInterfaces, EachMissingOneIsReported) {
    const char* const names[] = {"IMainSurface", "IInputDevice2", "ITimer", "IMouseWheel", "IWinMsg",
                                 "IMsgBox", "IShutdown", "IVM", "IVolumeValancer"};
    for (const char* name : names) {
        EXPECT_EXIT(
            {
                platform::fail(std::string("host.") + name);
                EngineHost engine;
                const bool ok = engine.init();
                const auto& boxes = engine.message_boxes();
                const std::string want = sjis(std::string("TARN初期化エラー(IHostcore)\n") + name + "取得失敗\n\n");
                std::exit(!ok && boxes.size() == 1 && boxes[0].text == want ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << name;
    }
}

TEST(HostInterfaces, SeveralMissingAreListedInAskingOrder) {
    platform::fail("host.IVolumeValancer");
    platform::fail("host.ITimer");
    platform::fail("host.IMsgBox");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.message_boxes().size(), 1u);
    EXPECT_EQ(engine.message_boxes()[0].text,
              sjis("TARN初期化エラー(IHostcore)\nITimer取得失敗\nIMsgBox取得失敗\nIVolumeValancer取得失敗\n\n"));
}

// The window, key state and reset flag are checked before the report of the nine: without them
// start-up ends without a word, even when other interfaces are missing too.
TEST(HostInterfaces, WindowKeyStateAndResetFailSilently) {
    for (const char* name : {"IMainWindow", "IKeyState", "IResetFlag"}) {
        EXPECT_EXIT(
            {
                platform::fail(std::string("host.") + name);
                platform::fail("host.IMouseWheel");
                EngineHost engine;
                const bool ok = engine.init();
                std::exit(!ok && engine.message_boxes().empty() && engine.errors().empty() ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << name;
    }
}

TEST(HostInterfaces, DebugModeIsOptional) {
    platform::fail("host.IDebugMode");
    EngineHost engine;
    EXPECT_TRUE(engine.init());
}

}  // namespace
