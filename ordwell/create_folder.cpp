#include "ordwell/create_folder.h"

#include "platform/file_system.h"

namespace ordwell {
namespace {

// Prefixes that name no folder to create: the empty one before a leading separator, the root
// written twice ("\\server" paths), and a drive ("C:").
bool skipped(const std::string& prefix) {
    return prefix.empty() || prefix == "/" || (prefix.size() == 2 && prefix[1] == ':');
}

// Creates one folder. Losing a race to another creator still leaves a folder, which is success.
bool ensure_folder(const std::string& path) {
    if (platform::is_folder(path)) return true;
    return platform::file_system().create_folder(path) == platform::FileError::kNone || platform::is_folder(path);
}

}  // namespace

bool create_folder_with_parents(const std::string& path) {
    if (platform::is_folder(path)) return true;
    // The host path keeps a two-byte character whole, and '/' is never the trail byte of one in
    // the supported code pages, so every '/' here is a separator the script wrote.
    for (size_t i = path.find('/'); i != std::string::npos; i = path.find('/', i + 1)) {
        const std::string prefix = path.substr(0, i);
        if (!skipped(prefix) && !ensure_folder(prefix)) return false;
    }
    return ensure_folder(path);
}

}  // namespace ordwell
