// The adaptive over-frame-rate sleep, over simulated time: the engine linked into this test.
#include <gtest/gtest.h>

#include <vector>

#include "host/reference_host.h"
#include "platform/clock.h"
#include "vesperkit/exports.h"
#include "vesperkit/frame/tarn.h"

namespace {

class FrameTiming : public testing::Test {
protected:
    void SetUp() override {
        platform::set_clock(&clock_);
        host_.load_service_modules(VK_LIB_DIR);
        ASSERT_EQ(Init(host_.hostcore(), 1), 1);
    }
    void TearDown() override {
        host_.release_root();
        platform::set_clock(nullptr);
    }
    // Runs frames that take `work` ms of the game's own time each, until the engine has measured
    // `windows` rate windows; the adaptive sleep after each.
    std::vector<uint32_t> run(uint32_t work, int windows) {
        std::vector<uint32_t> sleeps;
        for (int i = 0; i < windows; ++i) {
            const uint32_t start = g_pTARN->frame_window_start_;
            while (g_pTARN->frame_window_start_ == start) {
                clock_.advance(work);
                EXPECT_TRUE(g_pTARN->Update());
            }
            sleeps.push_back(g_pTARN->adaptive_sleep_);
        }
        return sleeps;
    }
    platform::SteppedClock clock_{5000};
    host::ReferenceHost host_{host::HostConfig{32, 32, 32, ""}};
};

// A game at 120 frames a second gains 1 ms of sleep per 3-second window while it runs above 90:
// 7 ms of work and the engine's 1 ms make 125 frames a second, then 111, 100, 91 (still above 90),
// and at 12 ms a frame 83, where the sleep stays.
TEST_F(FrameTiming, AFastGameSleepsOneMoreMillisecondEachWindow) {
    EXPECT_EQ(run(7, 6), (std::vector<uint32_t>{1, 2, 3, 4, 4, 4}));
}

// Between 60 and 90 the sleep stays; below 60 it shrinks by 1 ms a window, never below zero.
TEST_F(FrameTiming, BetweenSixtyAndNinetyTheSleepStaysAndBelowSixtyItShrinks) {
    g_pTARN->adaptive_sleep_ = 4;
    EXPECT_EQ(run(9, 2), (std::vector<uint32_t>{4, 4}));  // 14 ms a frame: 71 a second
    EXPECT_EQ(run(40, 6), (std::vector<uint32_t>{3, 2, 1, 0, 0, 0}));
}

// Nine simulated seconds at 120 frames a second take no real time: every sleep moves the stepped
// clock.
TEST_F(FrameTiming, NineSecondsRunOnTheSteppedClock) {
    const uint32_t start = clock_.tick_ms();
    run(7, 3);
    EXPECT_GE(clock_.tick_ms() - start, 9000u);
    // 1 ms a frame over the first window's 376 frames, 2 over the second's 334, 3 over the third's 300.
    EXPECT_NEAR(double(clock_.total_slept_ms()), 376 + 2 * 334 + 3 * 300, 10);
}

TEST_F(FrameTiming, TurningTheSleepOnRestartsTheWindowButNotWhenAlreadyOn) {
    SYSTEM_SetConfigOverFrameRateSleep(0);
    clock_.advance(10000);
    SYSTEM_SetConfigOverFrameRateSleep(1);
    EXPECT_EQ(g_pTARN->frame_window_start_, clock_.tick_ms());
    clock_.advance(500);
    SYSTEM_SetConfigOverFrameRateSleep(1);
    EXPECT_EQ(g_pTARN->frame_window_start_, clock_.tick_ms() - 500);
}

}  // namespace
