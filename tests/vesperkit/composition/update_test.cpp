// The Update export: frame skipping while messages are skipped, the sleeps, the frame-rate figure
// and the system switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/process.h"
#include "platform/window.h"

#include "support/sprite_engine.h"

namespace {

using test_support::SpriteEngine;
constexpr int kVkControl = 0x11;

TEST(Update, WithControlHeldNineFramesInTenAreSkipped) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16}));
    auto& h = e.host().host();
    h.key_state.set_down(kVkControl, true);
    const int presents = h.main_surface.present_count();
    for (int i = 1; i <= 20; ++i) {
        ASSERT_EQ(e.vk().Update(), 1);
        EXPECT_EQ(h.main_surface.present_count() - presents, i / 10) << i;
    }
    // Skipped frames neither update the draw plug-ins nor sleep.
    const uint32_t before = e.host().clock().tick_ms();
    e.vk().Update();
    EXPECT_EQ(e.host().clock().tick_ms(), before);
}

TEST(Update, SkippingFollowsTheSwitches) {
    struct Case {
        int invalidate, skip_while_message_skip, read_message_skipping;
        bool control;
        int drawn_of_ten;
    };
    const Case cases[] = {
        {0, 1, 0, false, 10}, {0, 1, 1, false, 1}, {0, 1, 0, true, 1},
        {1, 1, 1, true, 10},  // invalidate: every frame drawn
        {0, 0, 1, true, 10},  // no frame skip while message skip
    };
    SpriteEngine e;  // one engine a process; each case runs ten frames, a whole skip period
    ASSERT_TRUE(e.start({16, 16}));
    auto& h = e.host().host();
    for (const Case& c : cases) {
        e.vk().SYSTEM_SetInvalidateFrameSkipWhileMessageSkip(c.invalidate);
        e.vk().SYSTEM_SetConfigFrameSkipWhileMessageSkip(c.skip_while_message_skip);
        e.vk().SYSTEM_SetReadMessageSkipping(c.read_message_skipping);
        h.key_state.set_down(kVkControl, c.control);
        const int presents = h.main_surface.present_count();
        for (int i = 0; i < 10; ++i) e.vk().Update();
        EXPECT_EQ(h.main_surface.present_count() - presents, c.drawn_of_ten)
            << c.invalidate << c.skip_while_message_skip << c.read_message_skipping << c.control;
    }
}

TEST(Update, SwitchesKeepTheLowestByte) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16}));
    auto& vk = e.vk();
    EXPECT_EQ(vk.SYSTEM_GetConfigSleepByInactiveWindow(), 0);
    EXPECT_EQ(vk.SYSTEM_GetConfigOverFrameRateSleep(), 1);
    EXPECT_EQ(vk.SYSTEM_GetReadMessageSkipping(), 0);
    EXPECT_EQ(vk.SYSTEM_GetConfigFrameSkipWhileMessageSkip(), 1);
    EXPECT_EQ(vk.SYSTEM_GetInvalidateFrameSkipWhileMessageSkip(), 0);
    vk.SYSTEM_SetReadMessageSkipping(256);
    EXPECT_EQ(vk.SYSTEM_GetReadMessageSkipping(), 0);
    vk.SYSTEM_SetReadMessageSkipping(0x1207);
    EXPECT_EQ(vk.SYSTEM_GetReadMessageSkipping(), 7);
    vk.SYSTEM_SetConfigSleepByInactiveWindow(-1);
    EXPECT_EQ(vk.SYSTEM_GetConfigSleepByInactiveWindow(), 255);
    vk.FPS_SetShow(0x102);
    EXPECT_EQ(vk.FPS_GetShow(), 1);
}

TEST(Update, SleepsOneMillisecondAndFiftyMoreWhileAnotherProgramIsInFront) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16}));
    auto& clock = e.host().clock();
    e.vk().SYSTEM_SetConfigOverFrameRateSleep(0);
    uint32_t t = clock.tick_ms();
    e.vk().Update();
    EXPECT_EQ(clock.tick_ms() - t, 1u);
    int other_program = 0;
    platform::register_window(&other_program, platform::current_process_id() + 1);
    platform::set_active_window(&other_program);
    t = clock.tick_ms();
    e.vk().Update();
    EXPECT_EQ(clock.tick_ms() - t, 1u);  // the switch is off
    e.vk().SYSTEM_SetConfigSleepByInactiveWindow(1);
    t = clock.tick_ms();
    e.vk().Update();
    EXPECT_EQ(clock.tick_ms() - t, 51u);
    platform::set_active_window(nullptr);  // no window of ours in front either
    t = clock.tick_ms();
    e.vk().Update();
    EXPECT_EQ(clock.tick_ms() - t, 51u);
    platform::set_active_window(e.host().host().main_window.GetHandle());
    t = clock.tick_ms();
    e.vk().Update();
    EXPECT_EQ(clock.tick_ms() - t, 1u);
    platform::unregister_window(&other_program);
}

TEST(Update, FrameRateIsZeroUntilASecondHasPassed) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16}));
    e.vk().SYSTEM_SetConfigOverFrameRateSleep(0);
    auto& clock = e.host().clock();
    for (int i = 0; i < 40; ++i) {
        e.vk().Update();
        clock.advance(19);  // 20 ms a frame with the engine's own 1 ms
    }
    EXPECT_FLOAT_EQ(e.vk().FPS_Get(), 0.0f);
    for (int i = 0; i < 20; ++i) {
        e.vk().Update();
        clock.advance(19);
    }
    EXPECT_NEAR(e.vk().FPS_Get(), 50.0f, 1.0f);
}

TEST(Update, TimerResetAndMemoryFigures) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16, 64, true}));
    EXPECT_EQ(static_cast<uint32_t>(e.vk().Timer_Get()), e.host().clock().tick_ms());
    e.host().host().reset_flag.request();
    EXPECT_EQ(e.vk().SYSTEM_IsResetOnce(), 1);
    EXPECT_EQ(e.vk().SYSTEM_IsResetOnce(), 0);
    platform::set_process_memory_source(
        [] { return std::optional<platform::ProcessMemory>{{1u << 20, 300u << 20}}; });
    e.vk().Update();
    EXPECT_EQ(e.vk().Debug_GetCurrentAllocatedMemorySize(), 300);
    platform::set_process_memory_source(
        [] { return std::optional<platform::ProcessMemory>{{1u << 20, 200u << 20}}; });
    e.vk().Update();
    EXPECT_EQ(e.vk().Debug_GetCurrentAllocatedMemorySize(), 200);
    EXPECT_EQ(e.vk().Debug_GetMaxAllocatedMemorySize(), 300);
    platform::set_process_memory_source([] { return std::optional<platform::ProcessMemory>{}; });
    e.vk().Update();
    EXPECT_EQ(e.vk().Debug_GetCurrentAllocatedMemorySize(), 0);
    EXPECT_EQ(e.vk().Debug_GetMaxAllocatedMemorySize(), 300);
    platform::set_process_memory_source({});
}

TEST(Update, DrawPluginsAreUpdatedOncePerDrawnFrame) {
    SpriteEngine e;
    ASSERT_TRUE(e.start({16, 16}));
    host::clear_events();
    e.vk().Update();
    e.vk().Update();
    const auto events = host::events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "Overlayr.Update"), 2);
}

}  // namespace
