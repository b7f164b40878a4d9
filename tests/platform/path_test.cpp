#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/codepage.h"
#include "platform/path.h"

namespace {

class HostPath : public ::testing::Test {
protected:
    ~HostPath() override { platform::set_ansi_code_page(platform::kCodePageShiftJis); }
};

// Which backslashes are separators depends on the code page's lead bytes: a trail byte of 0x5C
// stays, and a byte that is only a lead byte in one code page changes the answer between them.
TEST_F(HostPath, SeparatorsFollowTheConfiguredCodePage) {
    struct Case {
        int code_page;
        const char* script;
        const char* host;
    };
    const Case cases[] = {
        {932, "save\\data\\a.txt", "save/data/a.txt"},
        {932, "\\\\server\\share", "//server/share"},
        {932, "\x95\x5C\\\x83\x5C", "\x95\x5C/\x83\x5C"},  // 表\ソ: both end in 0x5C
        {932, "\xB1\\\xDF\\x", "\xB1/\xDF/x"},              // one-byte kana ア and ﾟ, then separators
        {932, "\xA0\\\xFD\\x", "\xA0/\xFD/x"},              // bytes outside both lead ranges
        {932, "\x9F\x5C\\\xE0\x5C\\\xFC\x5C", "\x9F\x5C/\xE0\x5C/\xFC\x5C"},  // ends of the lead ranges
        {936, "\x81\x5C\\x", "\x81\x5C/x"},                 // GBK: 0x81 0x5C is one character
        {936, "\xB1\\x", "\xB1\\x"},                        // GBK: 0xB1 leads, so 0x5C is its trail
        {936, "\xFE\x5C\\\xFF\\x", "\xFE\x5C/\xFF/x"},
    };
    for (const Case& c : cases) {
        platform::set_ansi_code_page(c.code_page);
        EXPECT_EQ(platform::host_path(c.script), c.host) << c.code_page << " " << c.script;
    }
}

// A lead byte just before the terminator must not take the terminator (or what lies after it) as
// its trail byte. The buffer ends exactly at the terminator, so a read past it is caught by the
// sanitizer build; the bytes after the terminator in the second case would show in the result.
TEST_F(HostPath, NeverReadsPastTheTerminator) {
    for (int code_page : {932, 936}) {
        platform::set_ansi_code_page(code_page);
        const std::string text = "dir\\\x81";
        auto exact = std::make_unique<char[]>(text.size() + 1);
        std::memcpy(exact.get(), text.c_str(), text.size() + 1);
        EXPECT_EQ(platform::host_path(exact.get()), "dir/\x81") << code_page;

        const char trailing[] = {'a', '\x81', '\0', '\\', 'z', '\0'};
        EXPECT_EQ(platform::host_path(trailing), "a\x81") << code_page;
    }
}

}  // namespace
