// Writes the seed corpus of the CG fuzz target: the PNG suite's files and small BMP and JPEG files
// of each kind the decoder reads.
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <filesystem>
#include <string>

#include "support/image_files.h"

namespace {

using test_support::BmpLayout;
using test_support::Pixels;

std::vector<uint8_t> jpeg_file(const Pixels& p, bool grey, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(p.width);
    info.image_height = JDIMENSION(p.height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 60, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int y = 0; y < p.height; ++y) {
        row.clear();
        for (int x = 0; x < p.width; ++x) {
            const uint32_t v = p.at(x, y);
            if (grey) {
                row.push_back(v & 0xFF);
                continue;
            }
            row.push_back(v >> 16 & 0xFF);
            row.push_back(v >> 8 & 0xFF);
            row.push_back(v & 0xFF);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    free(buffer);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <png suite folder> <seed folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path suite = argv[1], seeds = argv[2];
    std::filesystem::create_directories(seeds);
    for (const char* name : {"basn6a08.png", "basn3p04.png", "basn0g16.png", "ibasn2c08.png", "ftbrn2c08.png"})
        std::filesystem::copy_file(suite / name, seeds / name, std::filesystem::copy_options::overwrite_existing);
    const Pixels small = test_support::pattern(9, 7, 1, true);
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"rgb24.bmp", test_support::bmp_file(small, BmpLayout::k24)},
        {"rgba32.bmp", test_support::bmp_file(small, BmpLayout::k32, true)},
        {"mask32.bmp", test_support::bmp_file(small, BmpLayout::k32AlphaMask)},
        {"rgb565.bmp", test_support::bmp_file(small, BmpLayout::k16Bitfields565)},
        {"palette8.bmp", test_support::bmp_file(test_support::solid(5, 3, 0xFF336699), BmpLayout::k8Palette)},
        {"mono1.bmp", test_support::bmp_file(test_support::solid(9, 2, 0xFF000000), BmpLayout::k1Palette)},
        {"baseline.jpg", jpeg_file(test_support::pattern(16, 16, 2, false), false, false)},
        {"progressive.jpg", jpeg_file(test_support::pattern(16, 16, 3, false), false, true)},
        {"grey.jpg", jpeg_file(test_support::pattern(8, 8, 4, false), true, false)},
    };
    for (const auto& [name, bytes] : files)
        if (!test_support::write_file((seeds / name).string(), bytes)) return 1;
    return 0;
}
