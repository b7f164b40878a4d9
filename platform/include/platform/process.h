#pragma once
// Process memory figures (GetProcessMemoryInfo).
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

struct ProcessMemory {
    uint64_t working_set_bytes = 0;
    uint64_t peak_working_set_bytes = 0;
};

// The figures of this process, or nothing when they cannot be read.
std::optional<ProcessMemory> process_memory();

// Replaces the source of the figures (tests); an empty function restores the system's.
void set_process_memory_source(std::function<std::optional<ProcessMemory>()> source);

}  // namespace platform
