#pragma once
// The reference host: the host program's side of every interface the plug-ins call, on the
// platform's clock, with each piece removable through faults ("host.<interface name>") so that
// every failure path can be reached.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host_objects.h"
#include "host/keyboard_device.h"
#include "host/surface.h"
#include "host/vm.h"
#include "host/volume.h"
#include "interfaces/guids.h"

namespace host {

struct HostConfig {
    int width = 800;
    int height = 600;
    int bits_per_pixel = 32;
    std::string assets_dir;  // folders cg/, wave/, data/, resource/, bgm/ of the link files
};

class ReferenceHost;

class Hostcore : public HostOwned<IHostcore> {
public:
    explicit Hostcore(ReferenceHost& host) : HostOwned("IHostcore"), host_(host) {}
    IInterface* GetInterface(const GUID& iid) override;

private:
    ReferenceHost& host_;
};

class ReferenceHost {
public:
    explicit ReferenceHost(HostConfig config = {});
    ~ReferenceHost();
    ReferenceHost(const ReferenceHost&) = delete;
    ReferenceHost& operator=(const ReferenceHost&) = delete;

    // The host of this process: the one the service modules and the host library answer for.
    static ReferenceHost* current();

    const HostConfig& config() const { return config_; }
    IHostcore* hostcore() { return &hostcore_; }

    // Loads every service module found in lib_dir except those named in skip (Windows names).
    // Returns the names loaded.
    std::vector<std::string> load_service_modules(const std::string& lib_dir, const std::vector<std::string>& skip = {});
    // Loads a plug-in (lib<name>.so) and registers it under its Windows name.
    void* load_plugin(const std::string& lib_dir, const std::string& name);

    // Offers an extra interface under an identifier (e.g. a joystick for a test); an offer comes
    // before the host's own object of that identifier.
    void provide(const GUID& iid, IInterface* object, const std::string& name);

    // Shutdown: let go of the root given through ISetCallback.
    void release_root() { set_callback.release_root(); }

    // Every error report seen: VM error texts (ANSI code page).
    const std::vector<std::string>& error_texts() const { return vm.error_msg.texts_; }

    CallbackHolder set_callback;
    MainSurface main_surface;
    MainWindow main_window;
    InputDevice input;
    KeyState key_state;
    Timer timer;
    MouseWheel wheel;
    ResetFlag reset_flag;
    DebugMode debug_mode;
    WinMsg win_msg;
    MsgBox msg_box;
    Shutdown shutdown;
    VM vm;
    VolumeValancer volume;
    MusicHost music_host;
    AfterPresent after_present;
    KeyboardDevice keyboard;  // the logo player's keyboard

private:
    friend class Hostcore;
    struct Offer {
        GUID iid;
        IInterface* object;
        std::string name;
    };
    HostConfig config_;
    Hostcore hostcore_;
    std::vector<Offer> offers_;
};

}  // namespace host
