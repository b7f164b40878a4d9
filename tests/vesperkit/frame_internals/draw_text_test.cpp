// The engine's copy of the text style passes on only real changes.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/event_log.h"
#include "host/reference_host.h"
#include "platform/codepage.h"
#include "platform/modules.h"
#include "vesperkit/text/tarn_draw_text.h"

namespace {

class DrawText : public testing::Test {
protected:
    void SetUp() override {
        host_.load_service_modules(VK_LIB_DIR);
        text_ = CTarnDrawText::Create();
        ASSERT_NE(text_, nullptr);
        host::clear_events();
    }
    void TearDown() override { text_->Release(); }
    long passed_on(const std::string& setter) {
        const auto events = host::events();
        return std::count(events.begin(), events.end(), "Scrivet2." + setter);
    }
    host::ReferenceHost host_;
    CTarnDrawText* text_ = nullptr;
};

const std::string kSong = platform::convert("宋体", platform::kCodePageUtf8, 932);
const std::string kHei = platform::convert("黑体", platform::kCodePageUtf8, 932);

TEST_F(DrawText, AFaceOtherThanSongIsFontZeroAndPassesNothing) {
    text_->SetFont("Arial");
    EXPECT_EQ(passed_on("SetFont"), 0);
    EXPECT_EQ(text_->GetFont(), kHei);
    text_->SetFont(kSong.c_str());
    text_->SetFont(kSong.c_str());
    EXPECT_EQ(text_->GetFont(), kSong);
    text_->SetFont(kHei.c_str());
    EXPECT_EQ(passed_on("SetFont"), 2);
}

TEST_F(DrawText, ColoursAreStoredAsBytesAndOutOfRangeValuesPassEveryTime) {
    text_->SetColor(300, 0, 0);
    text_->SetColor(300, 0, 0);
    int r = -1, g = -1, b = -1;
    text_->GetColor(&r, &g, &b);
    EXPECT_EQ(r, 44);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(passed_on("SetColor"), 2);
    text_->SetColor(44, 0, 0);
    EXPECT_EQ(passed_on("SetColor"), 2);
}

TEST_F(DrawText, UnchangedValuesCostNoCall) {
    const int size = text_->GetSize();
    text_->SetSize(size);
    text_->SetWeight(text_->GetWeight());
    text_->SetUnderline(text_->GetUnderline());
    text_->SetStrikeOut(!text_->GetStrikeOut());
    text_->SetStyleValue(text_->GetStyleValue() + 1);
    EXPECT_EQ(passed_on("SetSize"), 0);
    EXPECT_EQ(passed_on("SetWeight"), 0);
    EXPECT_EQ(passed_on("SetUnderline"), 0);
    EXPECT_EQ(passed_on("SetStrikeOut"), 1);
    EXPECT_EQ(passed_on("SetStyleValue"), 1);
    text_->SetSize(size + 2);
    EXPECT_EQ(text_->GetSize(), size + 2);
    EXPECT_EQ(passed_on("SetSize"), 1);
}

TEST(DrawTextCreate, FailsWithoutTheTextDrawer) {
    platform::unregister_module("Scrivet2");
    EXPECT_EQ(CTarnDrawText::Create(), nullptr);
}

}  // namespace
