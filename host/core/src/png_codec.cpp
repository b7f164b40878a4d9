#include "host/png_codec.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>

namespace host {
namespace {

constexpr int kMaxSide = 1 << 15;

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    // An exception must not travel through libpng; its error jump is taken outside the handler.
    if (!stored) png_error(png, "out of memory");
}

[[noreturn]] void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void on_warning(png_structp, png_const_charp) {}

struct Reader {
    const std::vector<uint8_t>* bytes;
    size_t at = 0;
};

void read_bytes(png_structp png, png_bytep data, png_size_t length) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (length > r->bytes->size() - r->at) png_error(png, "truncated");
    std::memcpy(data, r->bytes->data() + r->at, length);
    r->at += length;
}

}  // namespace

std::vector<uint8_t> encode_png(const Image& image, bool with_alpha) {
    std::vector<uint8_t> out;
    if (image.width <= 0 || image.height <= 0 || image.bgra.size() != size_t(image.width) * image.height * 4) return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return out;
    }
    std::vector<uint8_t> row(size_t(image.width) * (with_alpha ? 4 : 3));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, append_bytes, nullptr);
    png_set_IHDR(png, info, image.width, image.height, 8, with_alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* src = image.bgra.data() + size_t(y) * image.width * 4;
        uint8_t* dst = row.data();
        for (int x = 0; x < image.width; ++x, src += 4) {
            *dst++ = src[2];
            *dst++ = src[1];
            *dst++ = src[0];
            if (with_alpha) *dst++ = src[3];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool decode_png(const std::vector<uint8_t>& bytes, Image& image) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    Reader reader{&bytes};
    Image result;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, read_bytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) png_error(png, "size");
    // Every colour type and depth becomes 8-bit blue, green, red, alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    result.width = int(width);
    result.height = int(height);
    result.bgra.assign(size_t(width) * height * 4, 0);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, result.bgra.data() + size_t(y) * width * 4, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    image = std::move(result);
    return true;
}

bool write_file_atomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool read_file(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace host
