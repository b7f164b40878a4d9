#pragma once
// The names a shared object exports (its defined dynamic symbols, as `nm -D --defined-only` lists
// them), for tests that check a plug-in exports exactly its list.
#include <cstdio>
#include <set>
#include <string>

namespace test_support {

inline std::set<std::string> exported_symbols(const std::string& shared_object) {
    std::set<std::string> names;
    const std::string command = "nm -D --defined-only '" + shared_object + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const auto last_space = text.rfind(' ');
        if (last_space == std::string::npos) continue;
        names.insert(text.substr(last_space + 1));
    }
    pclose(pipe);
    return names;
}

// Symbols of the C and C++ runtime rather than of the library itself: the linker's own, and data of
// standard-library templates that instrumented builds leave visible (mangled std:: names).
inline bool standard_library_symbol(const std::string& name) {
    if (name == "_init" || name == "_fini" || name.rfind("__", 0) == 0) return true;
    for (const char* prefix : {"_ZNSt", "_ZNKSt", "_ZSt", "_ZZNSt", "_ZZNKSt", "_ZTVNSt", "_ZTINSt", "_ZTSNSt"})
        if (name.rfind(prefix, 0) == 0) return true;
    return false;
}

// Turns an X-macro export list into a set of names: EXPORT_NAMES(VESPERKIT_EXPORTS).
#define VK_TEST_EXPORT_NAME(result, name, params) #name,
#define EXPORT_NAMES(LIST) std::set<std::string>{LIST(VK_TEST_EXPORT_NAME)}

}  // namespace test_support
