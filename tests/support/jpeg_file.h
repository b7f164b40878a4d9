#pragma once
// JPEG files for tests, written with libjpeg-turbo independently of the decoder under test (link
// JPEG::JPEG).
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <jpeglib.h>

#include <vector>

#include "support/image_files.h"

namespace test_support {

// The pixels as a JPEG of that quality: grey takes the blue byte, colour the red, green and blue.
inline std::vector<uint8_t> jpeg_file(const Pixels& p, bool grey, int quality, bool progressive = false) {
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
    jpeg_set_quality(&info, quality, TRUE);
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
    std::free(buffer);
    return out;
}

}  // namespace test_support
