#pragma once
// Script paths: bytes in the ANSI code page with backslash separators.
#include <string>

namespace platform {

// Turns a script path into a host path: every backslash that is not the trail byte of a two-byte
// character becomes '/'. A lead byte at the very end is kept alone; the terminator is never
// passed.
std::string host_path(const char* script_path);

}  // namespace platform
