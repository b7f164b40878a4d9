#pragma once
// The C runtime's strtoul(text, nullptr, 0) as it behaves where unsigned long has 32 bits, whatever
// the width of this platform's own: scripts read numbers from table cells and rely on those
// results ("-1" is 4294967295, anything beyond 32 bits is 4294967295).
#include <cstdint>
#include <string_view>

namespace vesperkit::util {

// Leading white space is skipped; an optional sign; "0x"/"0X" selects hexadecimal, another leading
// 0 octal, anything else decimal; reading stops at the first byte that is not a digit of the base.
// No digits give 0; a value beyond 32 bits gives 0xFFFFFFFF (sign or not); a minus sign negates
// modulo 2^32.
uint32_t strtoul32(std::string_view text);

}  // namespace vesperkit::util
