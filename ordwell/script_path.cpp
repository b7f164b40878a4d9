#include "ordwell/script_path.h"

#include "platform/path.h"

namespace ordwell {

std::optional<std::string> host_path_of(IString* path) {
    if (!path) return std::nullopt;
    const char* text = path->Get();
    if (!text) return std::nullopt;
    return platform::host_path(text);
}

std::string join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace ordwell
