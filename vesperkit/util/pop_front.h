#pragma once
// Taking the first character off a script string.
#include <string_view>

namespace vesperkit::util {

// The byte length of the first character of the text in the process's code page: 0 for an empty
// text, 2 when the first byte is a lead byte, else 1. A lead byte that ends the text is a character
// of its own, one byte long, yet still counts as 2: that is what scripts are told. `taken`
// receives the bytes of the character, never more than the text holds.
int pop_front_character(std::string_view text, std::string_view& taken);

}  // namespace vesperkit::util
