// Writes the seed corpora of the logo's fuzz targets: <dir>/archive, <dir>/qnt and <dir>/pms.
#include <cstdio>
#include <filesystem>

#include "fixtures/mrl_writer.h"
#include "fixtures/pms_encoder.h"
#include "fixtures/qnt_encoder.h"

using namespace dawnsigil_fixtures;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const char* sub : {"archive", "qnt", "pms"}) std::filesystem::create_directories(root / sub);
    auto put = [&](const char* sub, const char* name, const Bytes& bytes) { write_file((root / sub / name).string(), bytes); };

    QntOptions alpha;
    alpha.alpha = true;
    QntOptions v2 = alpha;
    v2.version = 2;
    const Bytes qnt_plain = encode_qnt(noise_image(5, 3, 1));
    put("qnt", "odd", qnt_plain);
    put("qnt", "alpha", encode_qnt(noise_image(7, 5, 2), alpha));
    put("qnt", "version2", encode_qnt(solid_image(16, 9, 10, 20, 30, 128), v2));

    Palette palette{};
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = uint8_t(i);
    const Bytes pms8 = encode_pms8(5, 3, {1, 2, 3, 0xF8, 0xFF, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, palette);
    put("pms", "pms8", pms8);
    put("pms", "pms16_alpha", encode_pms16(3, 2, {0xFFFF, 0, 0x8410, 0x1234, 0xF8F8, 7}, {0, 128, 255, 1, 2, 3}));
    // Every run code once.
    put("pms", "runs8", pms_file(8, 4, 4, {0xF9, 1, 2, 3, 4, 0xFF, 1, 0xFC, 0, 5, 6, 0xFD, 0, 7, 0xFE, 0, 0xF8, 0xFA},
                                 Bytes(768, 3)));
    put("pms", "runs16", pms_file(16, 4, 4,
                                  {0x34, 0x12, 0xF8, 0xF9, 0x00, 0xF9, 1, 0xB3, 1, 2, 0x10, 0x84, 0xFA, 0xFB, 0xFF, 0,
                                   0xFC, 0, 1, 2, 3, 4, 0xFE, 0, 0xFD, 0, 9, 9},
                                  {}));

    put("archive", "three", write_mrl({qnt_plain, pms8, bytes_of("RIFF sound")}));
    put("archive", "one", write_mrl({bytes_of("x")}));
    return 0;
}
