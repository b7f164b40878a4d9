#include "vesperkit/sprites/tarn_engine.h"

#include "interfaces/guids.h"
#include "vesperkit/frame/error_message.h"
#include "vesperkit/frame/service_binding.h"

namespace {
template <class T>
T* keep(T* service) {
    if (service) service->AddRef();
    return service;
}
template <class T>
void let_go(T*& service) {
    if (service) service->Release();
    service = nullptr;
}
}  // namespace

bool CTarnEngine::InitOld(void*, void*, void*, void*, void*, void*, void*, void*) {
    return ShowPlainMessageBox("%s", "CTarnEngine::Init()はこのバージョンでは未対応です。");
}

bool CTarnEngine::Init(IMainSurface* main_surface, IUngild* decoder, IVLTFile* cg, IGraph3* graph,
                       ISurfaceFactory* factory, IDrawPluginDrawer* drawer, IDrawText2* draw_text, ITimer* timer,
                       uint32_t cg_cache_bytes, bool debug_mode) {
    main_surface_ = keep(main_surface);
    decoder_ = keep(decoder);
    cg_ = keep(cg);
    graph_ = keep(graph);
    factory_ = keep(factory);
    drawer_ = keep(drawer);
    draw_text_ = keep(draw_text);
    timer_ = keep(timer);
    cg_cache_bytes_ = cg_cache_bytes;
    debug_mode_ = debug_mode;
    if (IHostcore* host_library = vesperkit::host_library())
        after_present_ = static_cast<IAfterPresent*>(host_library->GetInterface(IID_IAfterPresent));
    if (!main_surface_) return false;
    screen_width_ = main_surface_->GetWidth();
    screen_height_ = main_surface_->GetHeight();
    return true;
}

ISurface* CTarnEngine::GetSurfaceForWriting(int) { return nullptr; }
ISurface* CTarnEngine::GetStoredSurface(int) { return nullptr; }

CTarnEngine::~CTarnEngine() {
    let_go(timer_);
    let_go(draw_text_);
    let_go(drawer_);
    let_go(factory_);
    let_go(graph_);
    let_go(cg_);
    let_go(decoder_);
    let_go(main_surface_);
}
