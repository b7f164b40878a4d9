#include "platform/process.h"

#include <cstdio>
#include <cstring>
#include <mutex>

namespace platform {
namespace {

std::mutex source_mutex;
std::function<std::optional<ProcessMemory>()>& source() {
    static auto* s = new std::function<std::optional<ProcessMemory>()>;
    return *s;
}

// VmRSS and VmHWM of /proc/self/status, in kB.
std::optional<ProcessMemory> read_proc_status() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return std::nullopt;
    ProcessMemory m;
    bool rss = false, hwm = false;
    char line[256];
    unsigned long long kb = 0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmRSS: %llu kB", &kb) == 1) m.working_set_bytes = kb * 1024, rss = true;
        if (std::sscanf(line, "VmHWM: %llu kB", &kb) == 1) m.peak_working_set_bytes = kb * 1024, hwm = true;
    }
    std::fclose(f);
    if (!rss || !hwm) return std::nullopt;
    return m;
}

}  // namespace

std::optional<ProcessMemory> process_memory() {
    std::function<std::optional<ProcessMemory>()> s;
    {
        std::lock_guard lock(source_mutex);
        s = source();
    }
    return s ? s() : read_proc_status();
}

void set_process_memory_source(std::function<std::optional<ProcessMemory>()> s) {
    std::lock_guard lock(source_mutex);
    source() = std::move(s);
}

}  // namespace platform
