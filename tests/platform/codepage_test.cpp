#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/path.h"

namespace {

TEST(CodePage, LeadBytesFollowTheCodePage) {
    struct Case {
        int code_page;
        unsigned char byte;
        bool lead;
    };
    const Case cases[] = {
        {932, 0x80, false}, {932, 0x81, true}, {932, 0x9F, true}, {932, 0xA0, false},
        {932, 0xA1, false},  // one-byte kana
        {932, 0xDF, false}, {932, 0xE0, true}, {932, 0xFC, true}, {932, 0xFD, false},
        {936, 0x80, false}, {936, 0x81, true}, {936, 0xA1, true}, {936, 0xFE, true}, {936, 0xFF, false},
        {932, 0x5C, false}, {936, 0x5C, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::is_lead_byte(c.code_page, c.byte), c.lead) << c.code_page << " " << int(c.byte);
}

TEST(CodePage, ConvertsBetweenUtf8AndTheAnsiCodePage) {
    platform::set_ansi_code_page(932);
    EXPECT_EQ(platform::from_utf8("表ソ"), "\x95\x5C\x83\x5C");
    EXPECT_EQ(platform::to_utf8("\x95\x5C\x83\x5C"), "表ソ");
    platform::set_ansi_code_page(936);
    EXPECT_EQ(platform::ansi_code_page(), 936);
    EXPECT_EQ(platform::from_utf8("宋体"), "\xCB\xCE\xCC\xE5");
    platform::set_ansi_code_page(1252);  // not supported: ignored
    EXPECT_EQ(platform::ansi_code_page(), 936);
    platform::set_ansi_code_page(932);
}

TEST(CodePage, UnconvertibleBytesBecomeQuestionMarks) {
    EXPECT_EQ(platform::convert("a\x81", 932, platform::kCodePageUtf8), "a?");
}

TEST(CodePage, WideConversion) {
    EXPECT_EQ(platform::to_wide("A\x95\x5C", 932), std::u16string(u"A表"));
}

TEST(HostPath, BackslashesBecomeSlashesButNotTrailBytes) {
    platform::set_ansi_code_page(932);
    struct Case {
        const char* script;
        const char* host;
    };
    const Case cases[] = {
        {"a\\b\\c.txt", "a/b/c.txt"},
        {"\x95\x5C\\x", "\x95\x5C/x"},        // 表 ends in 0x5C
        {"\xB1\\x", "\xB1/x"},                // one-byte kana then a separator
        {"dir\\\x81", "dir/\x81"},            // lone lead byte at the end
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::host_path(c.script), c.host) << c.script;
    EXPECT_EQ(platform::host_path(nullptr), "");
}

}  // namespace
