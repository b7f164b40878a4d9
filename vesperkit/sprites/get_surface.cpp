#include "vesperkit/sprites/get_surface.h"

CGetSurface::CGetSurface(CTarnEngine* engine, CErrorMessage* errors) : engine_(engine), errors_(errors) {
    if (engine_) engine_->AddRef();
    if (errors_) errors_->AddRef();
}

CGetSurface::~CGetSurface() {
    if (engine_) engine_->Release();
    if (errors_) errors_->Release();
}

ISurface* CGetSurface::report_missing(int sprite) {
    if (errors_) errors_->Open("無効なスプライト番号が使用された\nSP=%d\n(CGetSurface::Change)\n", sprite);
    return nullptr;
}

ISurface* CGetSurface::Change(int sprite) {
    if (!engine_) return nullptr;
    ISurface* surface = engine_->GetSurfaceForWriting(sprite);
    return surface ? surface : report_missing(sprite);
}

ISurface* CGetSurface::ChangeStored(int sprite) {
    if (!engine_) return nullptr;
    ISurface* surface = engine_->GetStoredSurface(sprite);
    return surface ? surface : report_missing(sprite);
}
