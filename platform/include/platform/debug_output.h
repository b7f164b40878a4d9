#pragma once
// Debugger output (OutputDebugStringA). Every line is kept so that tests can read it, and echoed to
// stderr (as UTF-8) when echo is on.
#include <string>
#include <vector>

namespace platform {

void output_debug_string(const char* text);  // text in the ANSI code page

std::vector<std::string> debug_lines();  // every text since the last clear, as written
void clear_debug_lines();
void set_debug_echo(bool echo);

}  // namespace platform
