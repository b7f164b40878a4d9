#include "ordwell/listing.h"

#include <algorithm>
#include <limits>

#include "ordwell/script_path.h"
#include "platform/file_system.h"

namespace ordwell {

std::vector<std::string> list_names(const std::string& folder, Listing which) {
    std::vector<platform::FolderEntry> entries;
    // Searching "folder\*" lists the folder's entries; with an empty path that is the root.
    const std::string searched = folder + "/";
    std::vector<std::string> names;
    if (platform::file_system().list_folder(searched, entries) != platform::FileError::kNone) return names;
    for (const platform::FolderEntry& entry : entries) {
        // Each entry is judged by what its full path names, so a link counts as what it points at
        // and a dangling link is neither a file nor a folder.
        const std::string full = join(searched, entry.name);
        const bool keep = which == Listing::kFolders ? platform::is_folder(full) : platform::is_file(full);
        if (keep) names.push_back(entry.name);
    }
    // std::string compares as unsigned bytes, case-sensitively, a prefix before its extensions.
    std::sort(names.begin(), names.end());
    return names;
}

bool store_names(IArray& array, const std::vector<std::string>& names) {
    if (names.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return false;
    int count = static_cast<int>(names.size());
    if (!array.Realloc(&count, 1)) return false;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        auto* element = static_cast<IString*>(array.GetElement(i));
        if (!element) return false;
        element->Set(names[static_cast<size_t>(i)].c_str());
    }
    return true;
}

}  // namespace ordwell
