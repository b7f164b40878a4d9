// Numbers read from cells as the 32-bit C runtime reads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "vesperkit/util/strtoul32.h"

namespace {

TEST(Strtoul32, BaseSignAndOverflowAsA32BitRuntime) {
    struct Case {
        std::string text;
        int32_t value;  // the 32 bits as a script reads them
    };
    const Case cases[] = {
        {"0x10", 16},          {"010", 8},           {"12abc", 12},       {"-1", -1},
        {"   ", 0},            {"", 0},              {"0", 0},            {"abc", 0},
        {" \t\r\n\v\f+7", 7},  {"+-5", 0},           {"- 5", 0},          {"-", 0},
        {"0X1f", 31},          {"0x", 0},            {"0xg", 0},          {"08", 0},
        {"0777", 511},         {"-0x10", -16},       {"1e3", 1},          {"\x95\x5C", 0},
        // 32 bits and beyond: the largest value, one more, and overflow with either sign.
        {"4294967295", -1},    {"0xFFFFFFFF", -1},   {"4294967296", -1},  {"0x100000000", -1},
        {"99999999999999999999999", -1},             {"-4294967296", -1}, {"-4294967295", 1},
        {"037777777777", -1},  {"040000000000", -1},
        // The sign bit: read as unsigned, seen by the script as negative.
        {"2147483647", 2147483647},                  {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},                  {"-2147483649", 2147483647},
        {"3000000000", -1294967296},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<int32_t>(vesperkit::util::strtoul32(c.text)), c.value) << '"' << c.text << '"';
}

}  // namespace
