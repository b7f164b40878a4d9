#pragma once
// Code pages. Script strings are bytes in the process's ANSI code page (932 by default; 936 may be
// configured); the engine's own messages are CP932.
#include <string>

namespace platform {

constexpr int kCodePageShiftJis = 932;
constexpr int kCodePageGbk = 936;
constexpr int kCodePageUtf8 = 65001;

int ansi_code_page();
void set_ansi_code_page(int code_page);  // 932 or 936; any other is ignored

// IsDBCSLeadByteEx: does this byte start a two-byte character in the code page?
bool is_lead_byte(int code_page, unsigned char byte);
inline bool is_lead_byte(unsigned char byte) { return is_lead_byte(ansi_code_page(), byte); }

// Converts between code pages; bytes that cannot be converted become '?'.
std::string convert(const std::string& text, int from_code_page, int to_code_page);
inline std::string to_utf8(const std::string& ansi) { return convert(ansi, ansi_code_page(), kCodePageUtf8); }
inline std::string from_utf8(const std::string& utf8) { return convert(utf8, kCodePageUtf8, ansi_code_page()); }

// MultiByteToWideChar: UTF-16 code units.
std::u16string to_wide(const std::string& text, int code_page);

}  // namespace platform
