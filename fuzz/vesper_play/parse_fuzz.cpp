// Any bytes as a scene file: the reader answers with a scene or a FILE:LINE error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "parse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto scene = vesper_play::parse_scene("fuzz.scene", std::string(reinterpret_cast<const char*>(data), size), error);
    if (!scene && error.rfind("fuzz.scene:", 0) != 0) __builtin_trap();
    return 0;
}
