#include "vesperkit/util/number_text.h"

#include <cstdint>

namespace vesperkit::util {

// Symbols written as bytes rather than literals: they must be Shift-JIS whatever the compiler's
// execution character set.
const NumberSymbols kHalfWidthSymbols = {
    {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, "-", "0", " "};

const NumberSymbols kFullWidthSymbols = {
    {"\x82\x4F", "\x82\x50", "\x82\x51", "\x82\x52", "\x82\x53", "\x82\x54", "\x82\x55", "\x82\x56", "\x82\x57",
     "\x82\x58"},
    "\x81\x7C",
    "\x82\x4F",
    "\x81\x40"};

std::string number_to_text(int value, int width, bool zero_fill, const NumberSymbols& symbols) {
    const bool negative = value < 0;
    // Unsigned negation: INT_MIN's magnitude does not fit an int.
    uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    int digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<int>(magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    const int characters = count + (negative ? 1 : 0);
    const int fill = width != -1 && width > characters ? width - characters : 0;
    const std::string_view& filler = zero_fill ? symbols.zero_fill : symbols.space_fill;

    std::string out;
    out.reserve(static_cast<size_t>(characters + fill) * symbols.digits[0].size());
    if (negative && zero_fill) out += symbols.minus;
    for (int i = 0; i < fill; ++i) out += filler;
    if (negative && !zero_fill) out += symbols.minus;
    while (count > 0) out += symbols.digits[digits[--count]];
    return out;
}

}  // namespace vesperkit::util
