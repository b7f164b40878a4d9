// Writes the seed corpus of the CG fuzz target: the PNG suite's files and small BMP and JPEG files
// of each kind the decoder reads.
#include <filesystem>
#include <string>

#include "support/image_files.h"
#include "support/jpeg_file.h"

namespace {

using test_support::BmpLayout;
using test_support::Pixels;

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
        {"baseline.jpg", test_support::jpeg_file(test_support::pattern(16, 16, 2, false), false, 60)},
        {"progressive.jpg", test_support::jpeg_file(test_support::pattern(16, 16, 3, false), false, 60, true)},
        {"grey.jpg", test_support::jpeg_file(test_support::pattern(8, 8, 4, false), true, 60)},
    };
    for (const auto& [name, bytes] : files)
        if (!test_support::write_file((seeds / name).string(), bytes)) return 1;
    return 0;
}
