// Crateva: the link-file manager. Each link file is a folder of the host's assets. The manager owns
// the link files it hands out (callers borrow them and take a reference only to keep one longer),
// and lets go of them when it goes away.
#include <filesystem>

#include "folder_link_file.h"
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/reference_host.h"

namespace host {
namespace {

const char* const kTypeNames[] = {"cg", "wave", "data", "resource", "bgm"};

class LinkFileManager : public RefCounted<IVLTFileManager> {
public:
    LinkFileManager() : RefCounted("IVLTFileManager") {}
    ~LinkFileManager() override {
        for (IVLTFile* file : files_)
            if (file) file->Release();
    }

    IVLTFile* GetVLTFile(int type) override {
        if (type < 0 || type > 4) return nullptr;
        const std::string name = kTypeNames[type];
        if (platform::should_fail("Crateva.GetVLTFile." + name)) return nullptr;
        if (!files_[type]) {
            ReferenceHost* h = ReferenceHost::current();
            if (!h || h->config().assets_dir.empty()) return nullptr;
            const std::string folder = h->config().assets_dir + "/" + name;
            if (!std::filesystem::is_directory(folder)) return nullptr;
            files_[type] = new FolderLinkFile(folder, name);
        }
        return files_[type];
    }

private:
    IVLTFile* files_[5] = {};
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Crateva.CreateInterface")) return nullptr;
    if (*iid == IID_IVLTFileManager) return new host::LinkFileManager;
    return nullptr;
}
