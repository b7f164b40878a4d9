#include "png_encode.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace host::codec {
namespace {

struct PngWrite {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ISurface* surface = nullptr;
    std::vector<uint8_t>* out = nullptr;
};

void write_bytes(png_structp png, png_bytep data, size_t count) {
    auto* write = static_cast<PngWrite*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        write->out->insert(write->out->end(), data, data + count);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) png_error(png, "out of memory");  // outside the handler: the jump must not leave it
}
void flush(png_structp) {}

[[noreturn]] void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void on_warning(png_structp, png_const_charp) {}

void write_image(PngWrite* write) {
    png_structp png = write->png;
    ISurface* surface = write->surface;
    const bool alpha = surface->GetBitsPerPixel() == 32 && surface->HasAlphaMap();
    png_set_write_fn(png, write, write_bytes, flush);
    png_set_IHDR(png, write->info, png_uint_32(surface->GetWidth()), png_uint_32(surface->GetHeight()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, write->info);
    png_set_bgr(png);
    if (surface->GetBitsPerPixel() == 32 && !alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drop the fourth byte
    for (int y = 0; y < surface->GetHeight(); ++y) png_write_row(png, surface->GetPixelAddress(0, y));
    png_write_end(png, nullptr);
}

bool write_guarded(PngWrite* write) {
    if (setjmp(png_jmpbuf(write->png))) return false;
    write_image(write);
    return true;
}

}  // namespace

bool encode_png(ISurface* surface, std::vector<uint8_t>& out) {
    out.clear();
    if (!surface || !surface->HasPixel() || surface->GetWidth() <= 0 || surface->GetHeight() <= 0) return false;
    if (surface->GetBitsPerPixel() != 32 && surface->GetBitsPerPixel() != 24) return false;
    PngWrite write;
    write.surface = surface;
    write.out = &out;
    write.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (!write.png) return false;
    write.info = png_create_info_struct(write.png);
    const bool ok = write.info && write_guarded(&write);
    png_destroy_write_struct(&write.png, write.info ? &write.info : nullptr);
    if (!ok) out.clear();
    return ok;
}

}  // namespace host::codec
