// The first character of a text under the configured code page.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "vesperkit/util/pop_front.h"

namespace {

class PopFrontTest : public testing::Test {
protected:
    void TearDown() override { platform::set_ansi_code_page(platform::kCodePageShiftJis); }
};

// Every first byte, in both double-byte code pages the scripts use: lead bytes take their
// follower with them, every other byte goes alone.
TEST_F(PopFrontTest, LeadBytesFollowTheConfiguredCodePage) {
    struct CodePage {
        int number;
        bool (*lead)(int byte);
    };
    const CodePage pages[] = {
        {932, [](int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }},
        {936, [](int b) { return b >= 0x81 && b <= 0xFE; }},
    };
    for (const auto& page : pages) {
        platform::set_ansi_code_page(page.number);
        for (int b = 1; b <= 0xFF; ++b) {
            const std::string text{static_cast<char>(b), '\x40', 'Z'};
            std::string_view taken;
            const int result = vesperkit::util::pop_front_character(text, taken);
            const bool lead = page.lead(b);
            EXPECT_EQ(result, lead ? 2 : 1) << page.number << " byte " << b;
            EXPECT_EQ(taken, text.substr(0, lead ? 2 : 1)) << page.number << " byte " << b;
        }
    }
}

TEST_F(PopFrontTest, EmptyTextsAndALoneLeadByteAtTheEnd) {
    std::string_view taken = "stale";
    EXPECT_EQ(vesperkit::util::pop_front_character("", taken), 0);
    EXPECT_TRUE(taken.empty());
    // The lead byte is taken alone: its terminator is not part of the character.
    const std::string lone = "\x82";
    EXPECT_EQ(vesperkit::util::pop_front_character(lone, taken), 2);
    EXPECT_EQ(taken, lone);
    EXPECT_EQ(taken.data(), lone.data());
    EXPECT_EQ(vesperkit::util::pop_front_character("\x95\x5C", taken), 2);
    EXPECT_EQ(taken, "\x95\x5C");
}

}  // namespace
