#include "ordwell/delete_folder.h"

#include <algorithm>
#include <vector>

#include "ordwell/script_path.h"
#include "platform/file_system.h"

namespace ordwell {
namespace {

using platform::EntryInfo;
using platform::EntryKind;
using platform::FileError;
using platform::FileId;

class TreeDeleter {
public:
    explicit TreeDeleter(uint64_t device) : device_(device) {}

    bool delete_tree(const std::string& folder) {
        platform::FileSystem& fs = platform::file_system();
        EntryInfo self;
        if (fs.link_info(folder, self) != FileError::kNone || self.kind != EntryKind::kFolder) return false;
        if (self.id.device != device_) return false;
        if (std::find(open_.begin(), open_.end(), self.id) != open_.end()) return false;
        open_.push_back(self.id);

        std::vector<platform::FolderEntry> entries;
        if (fs.list_folder(folder, entries) != FileError::kNone) return false;
        std::vector<std::string> folders, files;
        for (const platform::FolderEntry& entry : entries)
            (entry.kind == EntryKind::kFolder ? folders : files).push_back(entry.name);
        std::sort(folders.begin(), folders.end());
        std::sort(files.begin(), files.end());

        for (const std::string& name : folders)
            if (!delete_tree(join(folder, name))) return false;
        for (const std::string& name : files)
            if (fs.delete_file(join(folder, name)) != FileError::kNone) return false;

        open_.pop_back();
        return fs.remove_folder(folder) == FileError::kNone;
    }

private:
    uint64_t device_;
    std::vector<FileId> open_;  // the folders from the top down to the one being emptied
};

bool is_root(const EntryInfo& folder) {
    EntryInfo root;
    return platform::file_system().link_info("/", root) == FileError::kNone && root.id == folder.id;
}

}  // namespace

bool delete_folder_tree(const std::string& path) {
    if (path.empty()) return false;
    // A trailing separator would make the system resolve a link named by the path; without it
    // the link is seen as a link and refused.
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    EntryInfo top;
    if (platform::file_system().link_info(folder, top) != FileError::kNone || top.kind != EntryKind::kFolder)
        return false;
    if (is_root(top)) return false;
    return TreeDeleter(top.id.device).delete_tree(folder);
}

}  // namespace ordwell
