// The music system starts on first use.
#include <gtest/gtest.h>

#include "support/engine_host.h"
#include "vesperkit/frame/tarn.h"

namespace {

using test_support::sjis;

// The engine linked into this test: its root was made when the program started.
class MusicStart : public testing::Test {
protected:
    void SetUp() override {
        platform::set_clock(&clock_);
        host_.load_service_modules(VK_LIB_DIR);
        ASSERT_NE(g_pTARN, nullptr);
        ASSERT_EQ(Init(host_.hostcore(), 16), 1);
    }
    void TearDown() override {
        host_.release_root();
        platform::set_clock(nullptr);
        platform::heal_all();
    }
    platform::SteppedClock clock_;
    host::ReferenceHost host_;
};

TEST_F(MusicStart, StartsOnceAndListensToTheMusicGroup) {
    CTARN* root = g_pTARN;
    EXPECT_TRUE(root->InitMusicIfUninit());
    EXPECT_TRUE(root->music_started_);
    ASSERT_NE(root->m_pITarnMusic, nullptr);
    EXPECT_EQ(root->master_volume_.music_, root->m_pITarnMusic);
    EXPECT_EQ(host_.volume.listener_count(), 4u);
    IMusicSystem2* music = root->m_pIMusicSystem;
    EXPECT_TRUE(root->InitMusicIfUninit());
    EXPECT_EQ(root->m_pIMusicSystem, music);
    EXPECT_EQ(host_.volume.listener_count(), 4u);
    EXPECT_TRUE(host_.error_texts().empty());
}

TEST_F(MusicStart, AMissingMusicSystemIsReportedAndTriedAgain) {
    platform::fail("Cantara.CreateInterface.IMusicSystem2");
    EXPECT_FALSE(g_pTARN->InitMusicIfUninit());
    EXPECT_FALSE(g_pTARN->InitMusicIfUninit());
    const std::string want = sjis("CTARN::InitMusicIfUninit()\nCantara.dll の IID_IMusicSystem2 取得失敗\n");
    EXPECT_EQ(host_.error_texts(), (std::vector<std::string>{want, want}));
}

// Once the music system was bound, a failed start is not retried: the second call only reports.
TEST_F(MusicStart, AfterAFailedStartTheSecondCallReportsTheBoundSystem) {
    platform::fail("Vesperkit.new.CTarnMusic");
    EXPECT_FALSE(g_pTARN->InitMusicIfUninit());
    platform::heal("Vesperkit.new.CTarnMusic");
    EXPECT_FALSE(g_pTARN->InitMusicIfUninit());
    EXPECT_EQ(host_.error_texts(),
              (std::vector<std::string>{sjis("CTARN::InitMusicIfUninit()\nm_pITarnMusic 取得失敗\n"),
                                        sjis("■ERROR - m_pIMusicSystem != NULL - CTARN::InitMusicIfUninit - TARN2\n")}));
}

}  // namespace
