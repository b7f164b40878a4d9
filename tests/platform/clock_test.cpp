#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/faults.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

TEST(Clock, SteppedClockMovesOnlyWhenToldOrSleeping) {
    platform::SteppedClock clock(1000);
    platform::set_clock(&clock);
    EXPECT_EQ(platform::tick_count(), 1000u);
    platform::sleep(16);
    EXPECT_EQ(platform::tick_count(), 1016u);
    clock.advance(4);
    EXPECT_EQ(platform::tick_count(), 1020u);
    EXPECT_EQ(clock.total_slept_ms(), 16u);
    EXPECT_EQ(clock.sleep_calls(), 1u);
    platform::LocalTime t{2024, 12, 3, 24, 18, 30, 5, 250};
    clock.set_local_time(t);
    EXPECT_EQ(platform::local_time().day, 24);
    EXPECT_EQ(platform::local_time().milliseconds, 250);
    platform::set_clock(nullptr);
}

TEST(Clock, SystemLocalTimeIsPlausible) {
    platform::LocalTime t = platform::SystemClock().local_time();
    EXPECT_GE(t.year, 2020);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
}

TEST(DebugOutput, KeepsEveryLine) {
    platform::clear_debug_lines();
    platform::output_debug_string("one\n");
    platform::output_debug_string(nullptr);
    platform::output_debug_string("two\n");
    EXPECT_EQ(platform::debug_lines(), (std::vector<std::string>{"one\n", "two\n"}));
    platform::clear_debug_lines();
    EXPECT_TRUE(platform::debug_lines().empty());
}

TEST(Windows, OwnershipAndActiveWindow) {
    int game = 0, other = 0;
    platform::register_window(&game, platform::current_process_id());
    platform::register_window(&other, platform::current_process_id() + 1);
    EXPECT_EQ(platform::window_process_id(&game), platform::current_process_id());
    EXPECT_EQ(platform::window_process_id(&other), platform::current_process_id() + 1);
    EXPECT_EQ(platform::window_process_id(nullptr), 0u);
    platform::set_active_window(&other);
    EXPECT_EQ(platform::active_window(), &other);
    platform::unregister_window(&other);
    EXPECT_EQ(platform::active_window(), nullptr);
    platform::unregister_window(&game);
}

TEST(ProcessMemory, ReadsThisProcessOrTheInjectedSource) {
    auto real = platform::process_memory();
    ASSERT_TRUE(real.has_value());
    EXPECT_GT(real->peak_working_set_bytes, 0u);
    platform::set_process_memory_source([] { return std::optional<platform::ProcessMemory>{{5u << 20, 7u << 20}}; });
    EXPECT_EQ(platform::process_memory()->peak_working_set_bytes, 7u << 20);
    platform::set_process_memory_source({});
}

TEST(Faults, ArmHealAndHealAll) {
    EXPECT_FALSE(platform::should_fail("x"));
    platform::fail("x");
    platform::fail("y");
    EXPECT_TRUE(platform::should_fail("x"));
    platform::heal("x");
    EXPECT_FALSE(platform::should_fail("x"));
    EXPECT_TRUE(platform::should_fail("y"));
    platform::heal_all();
    EXPECT_FALSE(platform::should_fail("y"));
}

}  // namespace
