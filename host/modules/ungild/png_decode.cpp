// PNG through libpng. Pixels are taken as stored: gamma and colour-space chunks are not applied,
// as the games expect their pictures to show the values their artists saved.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "host/surface.h"
#include "image_decoders.h"

namespace host::codec {
namespace {

struct PngRead {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t at = 0;
    Surface* surface = nullptr;
};

void read_bytes(png_structp png, png_bytep out, size_t count) {
    auto* read = static_cast<PngRead*>(png_get_io_ptr(png));
    if (count > read->size - read->at) png_error(png, "truncated");
    std::memcpy(out, read->data + read->at, count);
    read->at += count;
}

[[noreturn]] void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void on_warning(png_structp, png_const_charp) {}

// Everything libpng may abandon with a long jump; all state lives in *read, none in locals of the
// frame that set the jump.
void read_image(PngRead* read) {
    png_structp png = read->png;
    png_infop info = read->info;
    png_set_read_fn(png, read, read_bytes);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, color = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &color, nullptr, nullptr, nullptr);
    if (uint64_t(width) * height > kMaxImagePixels) png_error(png, "too large");
    const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    const bool alpha = (color & PNG_COLOR_MASK_ALPHA) || transparency;

    // Whatever the colour type and depth: 8-bit blue, green, red and a fourth byte.
    if (color == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (color == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (transparency) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_scale_16(png);
    if (!(color & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!alpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unexpected layout");

    read->surface = Surface::create(int(width), int(height), 32, alpha);
    if (!read->surface) png_error(png, "out of memory");
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, read->surface->GetPixelAddress(0, int(y)), nullptr);
    // The image is complete only with its end chunk: a file cut after its pixels is refused too.
    png_read_end(png, nullptr);
}

bool read_guarded(PngRead* read) {
    if (setjmp(png_jmpbuf(read->png))) return false;
    read_image(read);
    return true;
}

}  // namespace

bool is_png(const uint8_t* data, size_t size) { return size >= 8 && png_sig_cmp(data, 0, 8) == 0; }

ISurface* decode_png(const uint8_t* data, size_t size) {
    PngRead read;
    read.data = data;
    read.size = size;
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (!read.png) return nullptr;
    read.info = png_create_info_struct(read.png);
    const bool ok = read.info && read_guarded(&read);
    png_destroy_read_struct(&read.png, read.info ? &read.info : nullptr, nullptr);
    if (!ok) {
        if (read.surface) read.surface->Release();
        return nullptr;
    }
    copy_fourth_bytes_to_alpha(read.surface);
    return read.surface;
}

}  // namespace host::codec
