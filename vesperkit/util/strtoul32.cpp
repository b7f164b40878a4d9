#include "vesperkit/util/strtoul32.h"

namespace vesperkit::util {
namespace {

// isspace of the "C" locale; the script's code page has no other single-byte spaces.
bool is_c_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of a digit in the base, or -1.
int digit_value(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'z') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'Z') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

uint32_t strtoul32(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && is_c_space(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (i < text.size() && text[i] == '0') {
        // "0x" without a hexadecimal digit after it is the number 0 followed by other text.
        if (i + 2 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') && digit_value(text[i + 2], 16) >= 0) {
            base = 16;
            i += 2;
        } else {
            base = 8;
        }
    }

    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int digit = digit_value(text[i], base);
        if (digit < 0) break;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) {
            overflow = true;
            value = UINT32_MAX;  // keeps the arithmetic in range while the digits run on
        }
    }
    if (overflow) return UINT32_MAX;
    const auto result = static_cast<uint32_t>(value);
    return negative ? 0u - result : result;
}

}  // namespace vesperkit::util
