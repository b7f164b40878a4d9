// The facade's CG operations: CGs into sprites, files in and out, CG queries and the wallpaper.
#include <climits>
#include <span>
#include <vector>

#include "platform/file_system.h"
#include "platform/path.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/render/memory.h"
#include "vesperkit/sprites/tarn_engine.h"

bool CTarnEngine::SetCG(int sprite, int cg) {
    ISurface* surface = cg_loader_.Load(cg);
    if (!surface) return false;
    return give(sprite, surface);
}

bool CTarnEngine::SetCGFromFile(int sprite, const char* script_path) {
    if (!script_path || !decoder_) return false;
    const std::string path = platform::host_path(script_path);
    // The decoder counts bytes in an int: a larger file cannot be handed over whole.
    platform::EntryInfo info;
    if (platform::file_system().entry_info(path, info) != platform::FileError::kNone) return false;
    if (info.kind != platform::EntryKind::kFile || info.size > uint64_t(INT_MAX)) return false;
    std::vector<uint8_t> bytes;
    if (platform::file_system().read_file(path, bytes) != platform::FileError::kNone) return false;
    CMemory* file = vesperkit::allocate<CMemory>("CMemory");
    if (!file) return false;
    ISurface* surface = nullptr;
    if (file->Assign(std::move(bytes)) && file->GetBuffer())
        surface = decoder_->Decode(file->GetBuffer(), file->GetSize());
    file->Release();
    if (!surface) return false;
    return give(sprite, surface);
}

bool CTarnEngine::SaveCG(int sprite, const char* script_path, IImageEncoder* encoder) {
    if (!encoder || sprite < 1 || !script_path) return false;
    ISurface* surface = GetSurfaceForWriting(sprite);
    if (!surface) return false;
    IMemory* encoded = encoder->Encode(surface, 0);
    if (!encoded) return false;
    const auto* bytes = static_cast<const uint8_t*>(encoded->GetBuffer());
    const int size = encoded->GetSize();
    // An empty result is no image: writing it would only destroy a good file at the path. The
    // file system writes beside the target and renames, so a failed write leaves the old file.
    const bool written = bytes && size > 0 &&
                         platform::file_system().write_file(platform::host_path(script_path),
                                                            std::span<const uint8_t>(bytes, size_t(size))) ==
                             platform::FileError::kNone;
    encoded->Release();
    return written;
}

bool CTarnEngine::IsCGExist(int cg) {
    if (cg_ && cg_->IsExist(cg)) return true;
    return debug_cg_files_.IsExist(cg);
}

bool CTarnEngine::GetCGMetrics(int cg, int (&metrics)[7]) {
    if (!cg_ || !decoder_) return false;
    IMemory* entry = cg_->Load(cg);
    if (!entry) return false;
    ISurface* surface = nullptr;
    if (entry->GetBuffer() && entry->GetSize() > 0) surface = decoder_->Decode(entry->GetBuffer(), entry->GetSize());
    entry->Release();
    if (!surface) return false;
    metrics[0] = surface->GetWidth();
    metrics[1] = surface->GetHeight();
    metrics[2] = surface->GetBitsPerPixel();
    metrics[3] = surface->GetPitch();
    metrics[4] = surface->GetAlphaPitch();
    metrics[5] = surface->HasPixel() ? 1 : 0;
    metrics[6] = surface->HasAlphaMap() ? 1 : 0;
    surface->Release();
    return true;
}

bool CTarnEngine::SetWallpaperCG(int cg) {
    if (cg < 0) return false;
    if (cg == 0) {
        sprites_.scene().SetWallpaper(nullptr);
        return true;
    }
    ISurface* surface = cg_loader_.Load(cg);
    if (!surface) return false;
    // The wallpaper is drawn as the whole opaque background: nothing else fits.
    if (surface->GetWidth() != screen_width() || surface->GetHeight() != screen_height() || surface->HasAlphaMap()) {
        surface->Release();
        return false;
    }
    sprites_.scene().SetWallpaper(surface);
    return true;
}

bool CTarnEngine::SetWallpaperColor(int r, int g, int b) {
    sprites_.scene().SetWallpaperColor(r, g, b);
    return true;
}

bool CTarnEngine::SetWallpaperSprite(int sprite) {
    const CSprite* record = find(sprite);
    if (!record || !graph_ || !main_surface_) return false;
    ISurface* image = record->surface();
    if (!image || !image->HasPixel() || image->GetWidth() != screen_width() ||
        image->GetHeight() != screen_height() || image->GetBitsPerPixel() != main_surface_->GetBitsPerPixel())
        return false;
    ISurface* wallpaper = make_screen_surface();
    if (!wallpaper) return false;
    graph_->Copy(wallpaper, 0, 0, image, 0, 0, screen_width(), screen_height());
    sprites_.scene().SetWallpaper(wallpaper);
    return true;
}

bool CTarnEngine::GetWallpaperSprite(int sprite) {
    if (!graph_) return false;
    ISurface* copy = make_screen_surface();
    if (!copy) return false;
    if (ISurface* wallpaper = sprites_.scene().wallpaper()) {
        graph_->Copy(copy, 0, 0, wallpaper, 0, 0, screen_width(), screen_height());
    } else {
        const WallpaperColor& c = sprites_.scene().wallpaper_color();
        graph_->FillRect(copy, 0, 0, screen_width(), screen_height(), c.r, c.g, c.b);
    }
    return give(sprite, copy);
}
