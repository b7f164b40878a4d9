#include <gtest/gtest.h>

#include "platform/message_box.h"

namespace {

TEST(MessageBox, TheSinkSeesTheRequestAndAnswers) {
    platform::MessageBoxRequest seen;
    platform::set_message_box_sink([&](const platform::MessageBoxRequest& r) {
        seen = r;
        return platform::MessageBoxAnswer::kRetry;
    });
    platform::MessageBoxRequest box;
    box.has_title = true;
    box.title = "T";
    box.text = "body";
    box.buttons = platform::MessageBoxButtons::kRetryCancel;
    EXPECT_EQ(platform::message_box(box), platform::MessageBoxAnswer::kRetry);
    EXPECT_EQ(seen.title, "T");
    EXPECT_EQ(seen.text, "body");
    platform::set_message_box_sink(nullptr);
}

TEST(MessageBox, WithoutASinkTheDefaultButtonAnswers) {
    platform::set_message_box_sink(nullptr);
    platform::MessageBoxRequest box;
    box.text = "to stderr";
    EXPECT_EQ(platform::message_box(box), platform::MessageBoxAnswer::kOk);
    box.buttons = platform::MessageBoxButtons::kRetryCancel;
    EXPECT_EQ(platform::message_box(box), platform::MessageBoxAnswer::kCancel);
    box.buttons = platform::MessageBoxButtons::kYesNo;
    EXPECT_EQ(platform::message_box(box), platform::MessageBoxAnswer::kNo);
}

}  // namespace
