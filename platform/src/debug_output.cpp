#include "platform/debug_output.h"

#include <cstdio>
#include <mutex>

#include "platform/codepage.h"

namespace platform {
namespace {
struct DebugOutput {
    std::mutex mutex;
    std::vector<std::string> lines;
    bool echo = false;
};
DebugOutput& state() {
    static DebugOutput* s = new DebugOutput;
    return *s;
}
}  // namespace

void output_debug_string(const char* text) {
    if (!text) return;
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.lines.emplace_back(text);
    if (s.echo) std::fprintf(stderr, "[debug] %s", to_utf8(text).c_str());
}

std::vector<std::string> debug_lines() {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    return s.lines;
}

void clear_debug_lines() {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.lines.clear();
}

void set_debug_echo(bool echo) {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.echo = echo;
}

}  // namespace platform
