#pragma once
// PNG files of 32-bit pixels in the shared layout (blue, green, red, fourth byte), for the window
// images the scene player writes and the golden frames the tests compare.
#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;  // width * 4 bytes a row, no padding
};

// Encodes an image as an 8-bit RGB PNG (RGBA when with_alpha); empty on failure.
std::vector<uint8_t> encode_png(const Image& image, bool with_alpha);

// Decodes any PNG into 32-bit pixels (opaque images get 255 in the fourth byte); false on any error.
bool decode_png(const std::vector<uint8_t>& bytes, Image& image);

// Writes the bytes through a temporary file beside the target and a rename, so that a failed write
// never leaves half a file where a good one was.
bool write_file_atomically(const std::string& path, const std::vector<uint8_t>& bytes);
bool read_file(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace host
