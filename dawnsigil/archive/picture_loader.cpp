#include "dawnsigil/archive/picture_loader.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "dawnsigil/archive/picture_type.h"
#include "dawnsigil/archive/pms_decoder.h"
#include "dawnsigil/archive/qnt_decoder.h"
#include "dawnsigil/message.h"

namespace dawnsigil::archive {
namespace {

// Holds a new surface until it is handed to the record; released on every failure path.
class NewSurface {
public:
    explicit NewSurface(ISurface* s) : s_(s) {}
    ~NewSurface() {
        if (s_) s_->Release();
    }
    NewSurface(const NewSurface&) = delete;
    NewSurface& operator=(const NewSurface&) = delete;
    ISurface* get() const { return s_; }
    ISurface* take() { return std::exchange(s_, nullptr); }

private:
    ISurface* s_;
};

// The factory's surface as a decoder's plane, checked to be the size asked for.
bool plane32_of(ISurface* s, int width, int height, Plane32& plane) {
    if (!s || s->GetWidth() != width || s->GetHeight() != height || s->GetBitsPerPixel() != 32) return false;
    plane = Plane32{s->GetPixelAddress(0, 0), s->GetPitch(), width, height};
    return plane.pixels && plane.pitch >= ptrdiff_t(width) * 4;
}

bool plane8_of(ISurface* s, int width, int height, Plane8& plane) {
    if (!s || s->GetWidth() != width || s->GetHeight() != height || s->GetBitsPerPixel() != 8) return false;
    plane = Plane8{s->GetPixelAddress(0, 0), s->GetPitch(), width, height};
    return plane.bytes && plane.pitch >= width;
}

bool alpha_plane_of(ISurface* s, int width, int height, Plane8& plane) {
    if (!s || !s->HasAlphaMap()) return false;
    plane = Plane8{s->GetAlphaAddress(0, 0), s->GetAlphaPitch(), width, height};
    return plane.bytes && plane.pitch >= width;
}

void report(const DecodeStatus& status) {
    switch (status.error) {
    case DecodeError::kInflateInit: show_message("inflateInit error"); break;
    case DecodeError::kInflate: show_message("展開エラー\n%s", status.detail.c_str()); break;
    case DecodeError::kInflateEnd: show_message("inflateEnd error"); break;
    case DecodeError::kNone:
    case DecodeError::kMalformed: break;
    }
}

bool load_qnt(std::span<const uint8_t> entry, ISurfaceFactory& factory, Picture& record) {
    const std::optional<QntHeader> h = parse_qnt_header(entry);
    if (!h) return false;
    if (h->bits_per_pixel != 24) {
        show_message("展開できないＱＮＴです");
        return false;
    }
    if (!qnt_layout_ok(*h, entry.size())) return false;
    NewSurface surface(h->has_alpha() ? factory.CreateWithAlpha(h->width, h->height, 32)
                                      : factory.Create(h->width, h->height, 32));
    Plane32 pixels;
    if (!plane32_of(surface.get(), h->width, h->height, pixels)) return false;
    Plane8 alpha;
    const bool with_alpha_plane = h->has_alpha() && alpha_plane_of(surface.get(), h->width, h->height, alpha);
    const DecodeStatus status = decode_qnt(entry, *h, pixels, with_alpha_plane ? &alpha : nullptr);
    if (!status.ok()) {
        report(status);
        return false;
    }
    record.reset(surface.take());
    return true;
}

bool load_pms(std::span<const uint8_t> entry, int index, ISurfaceFactory& factory, Picture& record) {
    const std::optional<PmsHeader> h = parse_pms_header(entry);
    if (!h) return false;
    if (h->bits_per_pixel != 8 && h->bits_per_pixel != 16) {
        show_message("展開できないＰＭＳ【 %d 】です", index);
        return false;
    }
    if (!pms_layout_ok(*h, entry.size())) return false;
    const auto codes = entry.subspan(h->pixel_offset);
    if (h->bits_per_pixel == 8) {
        NewSurface surface(factory.Create8(h->width, h->height));
        Plane8 plane;
        if (!plane8_of(surface.get(), h->width, h->height, plane) || !decode_pms8(codes, plane)) return false;
        Palette palette;
        std::copy_n(entry.begin() + h->aux_offset, palette.size(), palette.begin());
        record.reset(surface.take(), palette);
        return true;
    }
    const bool has_alpha = h->aux_offset != 0;
    NewSurface surface(has_alpha ? factory.CreateWithAlpha(h->width, h->height, 32)
                                 : factory.Create(h->width, h->height, 32));
    Plane32 pixels;
    if (!plane32_of(surface.get(), h->width, h->height, pixels) || !decode_pms16(codes, pixels)) return false;
    if (has_alpha) {
        Plane8 alpha;
        if (!alpha_plane_of(surface.get(), h->width, h->height, alpha) ||
            !decode_pms8(entry.subspan(h->aux_offset), alpha))
            return false;
    }
    record.reset(surface.take());
    return true;
}

}  // namespace

bool load_picture(MrlArchive& archive, ISurfaceFactory& factory, int index, Picture& record) {
    std::vector<uint8_t> entry;
    if (!archive.read_entry(index, entry)) return false;
    switch (picture_type(entry)) {
    case PictureType::kQnt: return load_qnt(entry, factory, record);
    case PictureType::kPms: return load_pms(entry, index, factory, record);
    default: show_message("無効なＣＧフォーマット【 %d 】です", static_cast<int>(picture_type(entry))); return false;
    }
}

}  // namespace dawnsigil::archive
