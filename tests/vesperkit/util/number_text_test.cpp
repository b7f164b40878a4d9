// Numbers as fixed-width text in half-width and full-width symbols.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "vesperkit/util/number_text.h"

namespace {

using vesperkit::util::kFullWidthSymbols;
using vesperkit::util::kHalfWidthSymbols;
using vesperkit::util::number_to_text;

struct Case {
    int value;
    int width;
    bool zero_fill;
    std::string text;
};

TEST(NumberText, HalfWidthWidthsSignsAndFill) {
    const Case cases[] = {
        {42, 5, false, "   42"},
        {42, 5, true, "00042"},
        {-42, 5, false, "  -42"},
        {-42, 5, true, "-0042"},
        {-42, 3, true, "-42"},
        {-42, 2, true, "-42"},
        {-42, 2, false, "-42"},
        {1000, 2, false, "1000"},
        {1000, 2, true, "1000"},
        {42, -1, true, "42"},
        {-42, -1, true, "-42"},
        {0, -1, false, "0"},
        {0, 3, true, "000"},
        {0, 0, false, "0"},
        {42, -5, false, "42"},
        {7, 1, true, "7"},
        {INT_MAX, 12, false, "  2147483647"},
        {INT_MIN, -1, false, "-2147483648"},
        {INT_MIN, 13, true, "-002147483648"},
        {INT_MIN, 13, false, "  -2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number_to_text(c.value, c.width, c.zero_fill, kHalfWidthSymbols), c.text)
            << c.value << " width " << c.width << " zero " << c.zero_fill;
}

// Full-width digits: Shift-JIS 82 4F to 82 58.
std::string full_width(const std::string& digits) {
    std::string out;
    for (const char d : digits) out += {'\x82', static_cast<char>(0x4F + (d - '0'))};
    return out;
}

TEST(NumberText, FullWidthCountsTwoByteCharacters) {
    const std::string zero = "\x82\x4F", space = "\x81\x40", minus = "\x81\x7C";
    const Case cases[] = {
        {7, 3, true, "\x82\x4F\x82\x4F\x82\x56"},
        {-42, 5, false, space + space + minus + "\x82\x53\x82\x51"},
        {-42, 4, true, minus + zero + "\x82\x53\x82\x51"},
        {9, 2, false, space + "\x82\x58"},
        {1000, 2, false, full_width("1000")},
        {INT_MIN, -1, false, minus + full_width("2147483648")},
        {INT_MIN, 12, true, minus + zero + full_width("2147483648")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number_to_text(c.value, c.width, c.zero_fill, kFullWidthSymbols), c.text)
            << c.value << " width " << c.width << " zero " << c.zero_fill;
}

}  // namespace
