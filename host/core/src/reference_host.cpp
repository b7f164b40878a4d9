#include "host/reference_host.h"


#include <algorithm>
#include <atomic>

#include "platform/faults.h"
#include "platform/modules.h"

namespace host {
namespace {
std::atomic<ReferenceHost*> current_host{nullptr};

// Service modules of the reference host, by Windows name (lib<name>.so).
const char* const kServiceModules[] = {"Crateva", "Ungild", "Cantara", "Lattix", "Facetry", "Overlayr",
                                       "Chimewell2", "Mapsel", "Scrivet2", "Engild", "Hostcore"};
}  // namespace

IInterface* Hostcore::GetInterface(const GUID& iid) {
    struct Entry {
        const GUID& iid;
        const char* name;
        IInterface* object;
    };
    ReferenceHost& h = host_;
    const Entry entries[] = {
        {IID_ISetCallback, "ISetCallback", &h.set_callback},
        {IID_IMainSurface, "IMainSurface", &h.main_surface},
        {IID_IInputDevice2, "IInputDevice2", &h.input},
        {IID_ITimer, "ITimer", &h.timer},
        {IID_IMouseWheel, "IMouseWheel", &h.wheel},
        {IID_IWinMsg, "IWinMsg", &h.win_msg},
        {IID_IMsgBox, "IMsgBox", &h.msg_box},
        {IID_IShutdown, "IShutdown", &h.shutdown},
        {IID_IVM, "IVM", &h.vm},
        {IID_IVolumeValancer, "IVolumeValancer", &h.volume},
        {IID_IMainWindow, "IMainWindow", &h.main_window},
        {IID_IKeyState, "IKeyState", &h.key_state},
        {IID_IResetFlag, "IResetFlag", &h.reset_flag},
        {IID_IDebugMode, "IDebugMode", &h.debug_mode},
        {IID_IMusicHost, "IMusicHost", &h.music_host},
        {IID_IAfterPresent, "IAfterPresent", &h.after_present},
        {IID_IKeyboardDevice, "IKeyboardDevice", &h.keyboard},
        {IID_IHostcore, "IHostcore", this},
    };
    for (const auto& offer : h.offers_)
        if (offer.iid == iid) return platform::should_fail("host." + offer.name) ? nullptr : offer.object;
    for (const Entry& e : entries)
        if (e.iid == iid) return platform::should_fail(std::string("host.") + e.name) ? nullptr : e.object;
    return nullptr;
}

ReferenceHost::ReferenceHost(HostConfig config)
    : main_surface(config.width, config.height, config.bits_per_pixel), config_(std::move(config)),
      hostcore_(*this) {
    current_host.store(this);
}

ReferenceHost::~ReferenceHost() {
    ReferenceHost* self = this;
    current_host.compare_exchange_strong(self, nullptr);
}

ReferenceHost* ReferenceHost::current() { return current_host.load(); }

std::vector<std::string> ReferenceHost::load_service_modules(const std::string& lib_dir,
                                                             const std::vector<std::string>& skip) {
    std::vector<std::string> loaded;
    for (const char* name : kServiceModules) {
        if (std::find(skip.begin(), skip.end(), name) != skip.end()) {
            platform::unregister_module(name);
            continue;
        }
        if (platform::load_module(lib_dir + "/lib" + name + ".so")) loaded.emplace_back(name);
    }
    return loaded;
}

void* ReferenceHost::load_plugin(const std::string& lib_dir, const std::string& name) {
    return platform::load_module(lib_dir + "/lib" + name + ".so");
}

void ReferenceHost::provide(const GUID& iid, IInterface* object, const std::string& name) {
    offers_.push_back(Offer{iid, object, name});
}

}  // namespace host
