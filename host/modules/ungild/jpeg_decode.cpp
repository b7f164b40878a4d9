// JPEG through libjpeg-turbo, decoded straight into blue-green-red-fourth-byte rows. JPEG carries no
// transparency: the fourth byte is 255 and there is no alpha map.
#include <cstdio>  // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "host/surface.h"
#include "image_decoders.h"

namespace host::codec {
namespace {

// A progressive file may announce scan after scan, each a pass over the whole image; real pictures
// have a dozen at most.
constexpr int kMaxScans = 500;
// Coefficient buffers of progressive files grow with the image; beyond this the decoder gives up.
constexpr long kMaxDecoderMemory = 512L << 20;

struct JpegRead {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    bool created = false;
    bool truncated = false;
    const uint8_t* data = nullptr;
    size_t size = 0;
    Surface* surface = nullptr;
};

JpegRead* owner(j_common_ptr common) { return reinterpret_cast<JpegRead*>(common); }  // info is the first member

[[noreturn]] void on_error(j_common_ptr common) { std::longjmp(owner(common)->jump, 1); }

// libjpeg pads a file that ends early with grey and only warns; such a file is not a whole image.
void on_message(j_common_ptr common, int level) {
    if (level < 0 && common->err->msg_code == JWRN_JPEG_EOF) owner(common)->truncated = true;
}

void on_progress(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kMaxScans) on_error(common);
}

void read_image(JpegRead* read) {
    j_decompress_ptr info = &read->info;
    jpeg_create_decompress(info);
    read->created = true;
    info->mem->max_memory_to_use = kMaxDecoderMemory;
    info->progress = &read->progress;
    jpeg_mem_src(info, read->data, static_cast<unsigned long>(read->size));
    jpeg_read_header(info, TRUE);
    if (info->image_width > kMaxImageSide || info->image_height > kMaxImageSide ||
        uint64_t(info->image_width) * info->image_height > kMaxImagePixels)
        on_error(reinterpret_cast<j_common_ptr>(info));
    info->out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(info);
    if (read->truncated || info->output_components != 4) on_error(reinterpret_cast<j_common_ptr>(info));
    read->surface = Surface::create(int(info->output_width), int(info->output_height), 32, false);
    if (!read->surface) on_error(reinterpret_cast<j_common_ptr>(info));
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = read->surface->GetPixelAddress(0, int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
        if (read->truncated) on_error(reinterpret_cast<j_common_ptr>(info));
    }
    jpeg_finish_decompress(info);
}

bool read_guarded(JpegRead* read) {
    if (setjmp(read->jump)) return false;
    read_image(read);
    return !read->truncated;
}

}  // namespace

bool is_jpeg(const uint8_t* data, size_t size) { return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF; }

ISurface* decode_jpeg(const uint8_t* data, size_t size) {
    JpegRead read;
    read.data = data;
    read.size = size;
    read.info.err = jpeg_std_error(&read.errors);
    read.errors.error_exit = on_error;
    read.errors.emit_message = on_message;
    read.progress.progress_monitor = on_progress;
    const bool ok = read_guarded(&read);
    if (read.created) jpeg_destroy_decompress(&read.info);
    if (!ok) {
        if (read.surface) read.surface->Release();
        return nullptr;
    }
    return read.surface;
}

}  // namespace host::codec
