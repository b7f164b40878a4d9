#pragma once
// The logo player's message box: no owner window, titled with the library's file name, on top of
// everything. Texts are Shift-JIS, formatted printf-style into a buffer of kMessageBufferSize bytes
// (longer texts are cut).
namespace dawnsigil {

inline constexpr int kMessageBufferSize = 16384;
inline constexpr const char* kMessageTitle = "Dawnsigil.dll";

void show_message(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace dawnsigil
