#pragma once
// A number as text of a fixed width, in half-width or full-width symbols.
#include <string>
#include <string_view>

namespace vesperkit::util {

// One symbol per character; the full-width ones are two Shift-JIS bytes each.
struct NumberSymbols {
    std::string_view digits[10];
    std::string_view minus;
    std::string_view zero_fill;
    std::string_view space_fill;
};

extern const NumberSymbols kHalfWidthSymbols;
extern const NumberSymbols kFullWidthSymbols;

// Widths above this many characters are refused by the exports: no script lays out a field that
// wide, and a mistyped width would otherwise ask for gigabytes of padding.
constexpr int kMaxNumberWidth = 1 << 20;

// The decimal digits of the value, most significant first, filled in front up to `width`
// characters (-1: no filling; a narrower width never cuts the number). Without zero fill, spaces
// go before the minus sign; with it, the minus sign comes first and zeros follow it.
std::string number_to_text(int value, int width, bool zero_fill, const NumberSymbols& symbols);

}  // namespace vesperkit::util
