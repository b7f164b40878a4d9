// Crateva: the link-file manager. Each link file is a folder of the host's assets.
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
    IVLTFile* GetVLTFile(int type) override {
        if (type < 0 || type > 4) return nullptr;
        const std::string name = kTypeNames[type];
        if (platform::should_fail("Crateva.GetVLTFile." + name)) return nullptr;
        ReferenceHost* h = ReferenceHost::current();
        if (!h || h->config().assets_dir.empty()) return nullptr;
        const std::string folder = h->config().assets_dir + "/" + name;
        if (!std::filesystem::is_directory(folder)) return nullptr;
        return new FolderLinkFile(folder, name);
    }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Crateva.CreateInterface")) return nullptr;
    if (*iid == IID_IVLTFileManager) return new host::LinkFileManager;
    return nullptr;
}
