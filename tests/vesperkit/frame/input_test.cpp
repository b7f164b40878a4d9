// Keyboard, mouse and screen-size exports over the host's input device.
#include <gtest/gtest.h>

#include "support/engine_host.h"

namespace {

using test_support::EngineHost;
using test_support::sjis;

TEST(Input, KeyStateNeedsTheCursorOverTheGameForMouseButtonsOnly) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto& h = engine.host();
    struct Case {
        int vk;
        bool down;
        bool cursor_over_game;
        int expected;
    };
    const Case cases[] = {
        {0x01, true, true, 1},  {0x01, true, false, 0}, {0x02, true, false, 0}, {0x04, true, false, 0},
        {0x04, true, true, 1},  {0x11, true, false, 1}, {0x0D, true, false, 1}, {0x01, false, true, 0},
        {0x00, true, false, 1}, {-5, true, false, 1},   {0x05, true, false, 1},
    };
    for (const Case& c : cases) {
        h.key_state.set_down(c.vk, c.down);
        c.cursor_over_game ? h.input.set_cursor(3, 4) : h.input.set_cursor_off();
        EXPECT_EQ(engine.vk.KEY_GetState(c.vk), c.expected) << c.vk << " " << c.down << " " << c.cursor_over_game;
        h.key_state.set_down(c.vk, false);
    }
}

TEST(Input, KeyIsDownAnswersAsTheInputDeviceSays) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.host().input.set_cursor_off();
    engine.host().input.press(0x01);
    EXPECT_EQ(engine.vk.Key_IsDown(0x01), 1);
    EXPECT_EQ(engine.vk.KEY_GetState(0x01), 0);  // the raw state says the button is up
    EXPECT_EQ(engine.vk.Key_IsDown(0x02), 0);
}

TEST(Input, ClearingFlags) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto& input = engine.host().input;
    for (int vk : {0x01, 0x11, 0x41, 0xFF}) input.press(vk);
    engine.vk.Key_ClearFlagNoCtrl();
    EXPECT_EQ(engine.vk.Key_IsDown(0x11), 1);
    EXPECT_EQ(engine.vk.Key_IsDown(0x41), 0);
    EXPECT_EQ(engine.vk.Key_IsDown(0xFF), 0);
    input.press(0x41);
    engine.vk.Key_ClearFlagOne(0x11);
    EXPECT_EQ(engine.vk.Key_IsDown(0x11), 0);
    EXPECT_EQ(engine.vk.Key_IsDown(0x41), 1);
    EXPECT_EQ(engine.vk.Key_ClearFlag(), 1);
    EXPECT_EQ(engine.vk.Key_IsDown(0x41), 0);
}

TEST(Input, ClearFlagExportsWithoutARootOnlyWriteANote) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.host().release_root();
    platform::clear_debug_lines();
    engine.vk.Key_ClearFlagOne(0x41);
    engine.vk.Key_ClearFlagNoCtrl();
    EXPECT_EQ(platform::debug_lines(), (std::vector<std::string>{sjis("〓ERROR〓 g_pTARN=NULL ＠ Key_ClearFlagOne\n"),
                                                                 sjis("〓ERROR〓 g_pTARN=NULL ＠ Key_ClearFlagNoCtrl\n")}));
}

TEST(Input, MousePositionAndWheel) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto& h = engine.host();
    int x = -1, y = -1;
    h.input.set_cursor(12, 34);
    EXPECT_EQ(engine.vk.Mouse_GetPos(&x, &y), 1);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);
    h.input.set_cursor_off();
    EXPECT_EQ(engine.vk.Mouse_GetPos(&x, &y), 0);
    h.wheel.roll(3, 1);
    h.wheel.roll(1, 0);
    int first = 0, second = 0;
    engine.vk.Mouse_GetWheel(&first, &second);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, 1);
    engine.vk.Mouse_ClearWheel();
    engine.vk.Mouse_GetWheel(&first, &second);
    EXPECT_EQ(first + second, 0);
}

TEST(Input, ScreenSizeIsTheMainSurfaces) {
    EngineHost engine(host::HostConfig{1024, 576, 32, ""});
    ASSERT_TRUE(engine.init());
    EXPECT_EQ(engine.vk.GetScreenWidth(), 1024);
    EXPECT_EQ(engine.vk.GetScreenHeight(), 576);
}

}  // namespace
