#pragma once
// The engine facade: the one object through which every sprite, CG, text, transition and view
// operation reaches the engine, and which other plug-ins receive from GetInterface.
#include <cstdint>

#include "interfaces/draw_plugin.h"
#include "interfaces/draw_text.h"
#include "interfaces/graph.h"
#include "interfaces/host.h"
#include "interfaces/image_codec.h"
#include "interfaces/link_file.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/frame/ref_counted.h"

class ITarnEngine : public IInterface {
public:
    // The initialisation of an older interface version, which this engine does not support.
    virtual bool InitOld(void*, void*, void*, void*, void*, void*, void*, void*) = 0;
};

class CTarnEngine : public vesperkit::RefCounted<ITarnEngine> {
public:
    bool InitOld(void*, void*, void*, void*, void*, void*, void*, void*) override;

    // Takes a reference on each borrowed service and binds the presentation hook through the host
    // library. False when a piece the facade cannot work without is missing.
    bool Init(IMainSurface* main_surface, IUngild* decoder, IVLTFile* cg, IGraph3* graph, ISurfaceFactory* factory,
              IDrawPluginDrawer* drawer, IDrawText2* draw_text, ITimer* timer, uint32_t cg_cache_bytes,
              bool debug_mode);

    // The sprite's surface for writing (copied first when shared) and as stored; null without a
    // sprite or an image.
    ISurface* GetSurfaceForWriting(int sprite);
    ISurface* GetStoredSurface(int sprite);

    int screen_width() const { return screen_width_; }
    int screen_height() const { return screen_height_; }
    IAfterPresent* after_present() const { return after_present_; }

protected:
    ~CTarnEngine() override;

private:
    IMainSurface* main_surface_ = nullptr;
    IUngild* decoder_ = nullptr;
    IVLTFile* cg_ = nullptr;
    IGraph3* graph_ = nullptr;
    ISurfaceFactory* factory_ = nullptr;
    IDrawPluginDrawer* drawer_ = nullptr;
    IDrawText2* draw_text_ = nullptr;
    ITimer* timer_ = nullptr;
    IAfterPresent* after_present_ = nullptr;
    uint32_t cg_cache_bytes_ = 0;
    bool debug_mode_ = false;
    int screen_width_ = 0;
    int screen_height_ = 0;
};
