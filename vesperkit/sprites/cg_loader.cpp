#include "vesperkit/sprites/cg_loader.h"

#include <cstdio>

#include "platform/message_box.h"

namespace vesperkit::sprites {

void CgLoader::Init(IVLTFile* cg, IUngild* decoder, ISurfaceFactory* factory, CCGCache* cache,
                    const DebugCgFiles* debug) {
    cg_ = cg;
    decoder_ = decoder;
    factory_ = factory;
    cache_ = cache;
    debug_ = debug;
}

ISurface* CgLoader::keep(ISurface* surface, int number) {
    cache_->Add(surface, number);
    return surface;
}

CgLoader::Outcome CgLoader::load_entry(int number, ISurface*& surface) {
    surface = nullptr;
    if (!cg_) return Outcome::kMissing;
    IMemory* entry = cg_->Load(number);
    if (!entry) entry = cg_->Load(number);  // archives on slow media sometimes fail once
    if (!entry) return Outcome::kMissing;
    const void* bytes = entry->GetBuffer();
    const int size = entry->GetSize();
    if (decoder_ && bytes && size > 0) surface = decoder_->Decode(bytes, size);
    entry->Release();
    return surface ? Outcome::kSurface : Outcome::kUndecodable;
}

ISurface* CgLoader::Load(int number) {
    if (!cache_) return nullptr;
    if (ISurface* cached = cache_->Find(number)) return cached;
    if (debug_ && debug_->enabled())
        if (ISurface* replacement = debug_->Load(number, decoder_, factory_)) return keep(replacement, number);

    for (;;) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            ISurface* surface = nullptr;
            switch (load_entry(number, surface)) {
            case Outcome::kSurface: return keep(surface, number);
            case Outcome::kMissing: return nullptr;  // a missing CG is silent
            case Outcome::kUndecodable: break;
            }
        }
        if (dismissed(number)) return nullptr;
        char text[16384];
        std::snprintf(text, sizeof text, "%d番のCGのロードに失敗しました。", number);
        platform::MessageBoxRequest box;
        box.has_title = true;
        box.title = "CGﾛｰﾄﾞｴﾗｰ - TarnEngineDX.dll";
        box.text = text;
        box.buttons = platform::MessageBoxButtons::kRetryCancel;
        if (platform::message_box(box) == platform::MessageBoxAnswer::kRetry) continue;
        dismissed_.insert(number);
        return nullptr;
    }
}

}  // namespace vesperkit::sprites
