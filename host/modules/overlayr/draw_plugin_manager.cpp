// Overlayr: the draw-plug-in manager. Plug-ins register objects by identifier and others fetch
// them; the manager holds a reference on each registered object until it goes away, so that no
// plug-in is handed an object its owner already freed. It also offers its own updater (called once
// per drawn frame) and the drawer of custom sprites. There is one manager per process, shared by
// every plug-in that asks for it.
#include <string>
#include <vector>

#include "host/event_log.h"
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/draw_plugin.h"
#include "interfaces/guids.h"

namespace host {
namespace {

// The updater and drawer are counted objects of their own: a plug-in that took a reference keeps
// them alive after the manager is gone.
class Updater : public RefCounted<IDrawPluginUpdater> {
public:
    Updater() : RefCounted("IDrawPluginUpdater") {}
    void Update() override { record("Overlayr.Update"); }
};

class Drawer : public RefCounted<IDrawPluginDrawer> {
public:
    Drawer() : RefCounted("IDrawPluginDrawer") {}
    // Records each call, so that tests see which custom sprites were drawn and where.
    void Draw(int sprite, ISurface*, int x, int y, int clip_x, int clip_y, int clip_width, int clip_height,
              int blend_rate) override {
        record("Overlayr.Draw " + std::to_string(sprite) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
               std::to_string(clip_x) + "," + std::to_string(clip_y) + "," + std::to_string(clip_width) + "," +
               std::to_string(clip_height) + " " + std::to_string(blend_rate));
    }
};

class DrawPluginManager;
DrawPluginManager* the_manager = nullptr;

class DrawPluginManager : public RefCounted<IDrawPluginManager> {
public:
    DrawPluginManager() : RefCounted("IDrawPluginManager") {}
    ~DrawPluginManager() override {
        for (auto& entry : registered_) entry.object->Release();
        updater_->Release();
        drawer_->Release();
        the_manager = nullptr;
    }

    static IDrawPluginManager* acquire() {
        if (the_manager) {
            the_manager->AddRef();
            return the_manager;
        }
        return the_manager = new DrawPluginManager;
    }

    void RegisterInterface(const GUID& iid, IInterface* object) override {
        if (!object) return;
        object->AddRef();
        for (auto& entry : registered_) {
            if (entry.iid == iid) {
                entry.object->Release();
                entry.object = object;
                return;
            }
        }
        registered_.push_back({iid, object});
    }

    IInterface* GetInterface(const GUID& iid) override {
        if (iid == IID_IDrawPluginUpdater) return platform::should_fail("Overlayr.IDrawPluginUpdater") ? nullptr : updater_;
        if (iid == IID_IDrawPluginDrawer) return platform::should_fail("Overlayr.IDrawPluginDrawer") ? nullptr : drawer_;
        for (auto& entry : registered_)
            if (entry.iid == iid) return entry.object;
        return nullptr;
    }

private:
    struct Entry {
        GUID iid;
        IInterface* object;
    };
    std::vector<Entry> registered_;
    Updater* updater_ = new Updater;
    Drawer* drawer_ = new Drawer;
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Overlayr.CreateInterface")) return nullptr;
    if (*iid == IID_IDrawPluginManager) return host::DrawPluginManager::acquire();
    return nullptr;
}
