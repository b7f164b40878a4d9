#include "vesperkit/sprites/sprite.h"

#include "vesperkit/frame/allocate.h"
#include "vesperkit/sprites/surface_copy.h"

CSprite::CSprite(int number, ISurfaceFactory* factory, IGraph3* graph)
    : factory_(factory), graph_(graph), number_(number) {}

CSprite::~CSprite() {
    if (draw_plugin_) draw_plugin_->Release();
    if (surface_) surface_->Release();
    for (IInterface* glyph : glyphs_)
        if (glyph) glyph->Release();
}

void CSprite::SetSurface(ISurface* surface) {
    if (surface_) surface_->Release();
    surface_ = surface;
    has_pixel_ = surface && surface->HasPixel();
    has_alpha_map_ = surface && surface->HasAlphaMap();
    width_ = surface ? surface->GetWidth() : 0;
    height_ = surface ? surface->GetHeight() : 0;
}

ISurface* CSprite::SurfaceForWriting() {
    if (!surface_) return nullptr;
    if (!vesperkit::sprites::is_shared(surface_)) return surface_;
    ISurface* copy = vesperkit::sprites::copy_surface(surface_, factory_, graph_);
    if (!copy) return nullptr;
    SetSurface(copy);
    return copy;
}

CSprite* CSprite::Clone() const {
    auto* clone = vesperkit::allocate<CSprite>("CSprite", number_, factory_, graph_);
    if (!clone) return nullptr;
    try {
        clone->glyphs_.reserve(glyphs_.size());
    } catch (...) {
        clone->Release();
        return nullptr;
    }
    if (surface_) surface_->AddRef();
    clone->SetSurface(surface_);
    clone->x_ = x_;
    clone->y_ = y_;
    clone->z_ = z_;
    clone->blend_rate_ = blend_rate_;
    clone->brightness_ = brightness_;
    clone->show_ = show_;
    clone->draw_method_ = draw_method_;
    clone->custom_ = custom_;
    for (IInterface* glyph : glyphs_) {
        if (glyph) glyph->AddRef();
        clone->glyphs_.push_back(glyph);
    }
    clone->text_ = text_;
    if (draw_plugin_) draw_plugin_->AddRef();
    clone->draw_plugin_ = draw_plugin_;
    return clone;
}

void CSprite::set_draw_plugin(IInterface* plugin) {
    if (draw_plugin_) draw_plugin_->Release();
    draw_plugin_ = plugin;
}
