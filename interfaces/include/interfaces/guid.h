#pragma once
// 16-byte interface identifiers, compared byte by byte.
#include <cstdint>
#include <cstring>

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16);

inline bool operator==(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }

namespace interfaces::detail {
constexpr uint32_t hex_digit(char c) {
    return c >= '0' && c <= '9' ? uint32_t(c - '0')
         : c >= 'a' && c <= 'f' ? uint32_t(c - 'a' + 10)
         : c >= 'A' && c <= 'F' ? uint32_t(c - 'A' + 10)
         : throw "not a hex digit";
}
constexpr uint32_t hex(const char* s, int digits) {
    uint32_t v = 0;
    for (int i = 0; i < digits; ++i) v = v << 4 | hex_digit(s[i]);
    return v;
}
}  // namespace interfaces::detail

// make_guid("FEFB86C3-EBEC-4C55-BC61-5223CB508664"): the registry form without braces, checked at
// compile time so that a mistyped identifier does not build.
consteval GUID make_guid(const char (&s)[37]) {
    using interfaces::detail::hex;
    if (s[8] != '-' || s[13] != '-' || s[18] != '-' || s[23] != '-') throw "malformed GUID";
    GUID g{hex(s, 8), uint16_t(hex(s + 9, 4)), uint16_t(hex(s + 14, 4)), {}};
    g.Data4[0] = uint8_t(hex(s + 19, 2));
    g.Data4[1] = uint8_t(hex(s + 21, 2));
    for (int i = 0; i < 6; ++i) g.Data4[2 + i] = uint8_t(hex(s + 24 + 2 * i, 2));
    return g;
}
