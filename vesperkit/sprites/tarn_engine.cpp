#include "vesperkit/sprites/tarn_engine.h"

#include "interfaces/guids.h"
#include "vesperkit/frame/allocate.h"
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
    debug_mode_ = debug_mode;
    if (IHostcore* host_library = vesperkit::host_library())
        after_present_ = static_cast<IAfterPresent*>(host_library->GetInterface(IID_IAfterPresent));

    cg_cache_ = vesperkit::allocate<CCGCache>("CCGCache", factory_, graph_, cg_cache_bytes);
    if (!cg_cache_) return false;
    if (debug_mode_) debug_cg_files_.Take();
    cg_loader_.Init(cg_, decoder_, factory_, cg_cache_, &debug_cg_files_);

    if (!main_surface_) return false;
    sprites_.Init(factory_, graph_, main_surface_->GetWidth(), main_surface_->GetHeight());
    frame_rate_.Reset(timer_);
    return true;
}

CTarnEngine::~CTarnEngine() {
    // Sprites first: their images may be shared with the cache, which goes next.
    sprites_.Clear();
    cg_loader_.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
    let_go(cg_cache_);
    let_go(timer_);
    let_go(draw_text_);
    let_go(drawer_);
    let_go(factory_);
    let_go(graph_);
    let_go(cg_);
    let_go(decoder_);
    let_go(main_surface_);
}

bool CTarnEngine::give(int sprite, ISurface* surface) {
    CSprite* record = find_or_create(sprite);
    if (!record) {
        surface->Release();
        return false;
    }
    record->SetSurface(surface);
    return true;
}

ISurface* CTarnEngine::make_screen_surface() {
    if (!factory_ || !main_surface_) return nullptr;
    return factory_->Create(screen_width(), screen_height(), main_surface_->GetBitsPerPixel());
}
