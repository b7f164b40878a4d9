// make-demo-assets DIR: draws the demo scene's CGs into DIR/cg/ as PNG files.
//
//   1  800x600 opaque background: a vertical dusk gradient with a horizon band
//   2  160x160 disc with a soft edge (alpha)
//   3  200x120 opaque panel with a border, shown translucent by the scene
//   4  64x64 star with an alpha edge, the moving sprite
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "host/png_codec.h"

namespace {

host::Image blank(int w, int h) {
    host::Image image;
    image.width = w;
    image.height = h;
    image.bgra.assign(size_t(w) * h * 4, 0);
    return image;
}

void put(host::Image& image, int x, int y, int r, int g, int b, int a) {
    uint8_t* p = image.bgra.data() + (size_t(y) * image.width + x) * 4;
    p[0] = uint8_t(std::clamp(b, 0, 255));
    p[1] = uint8_t(std::clamp(g, 0, 255));
    p[2] = uint8_t(std::clamp(r, 0, 255));
    p[3] = uint8_t(std::clamp(a, 0, 255));
}

host::Image background() {
    host::Image image = blank(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const double t = y / 599.0;
            const bool horizon = y > 430 && y < 440;
            put(image, x, y, int(40 + 180 * t), int(30 + 60 * t), int(120 - 60 * t) + (x % 40 < 20 ? 4 : 0),
                255);
            if (horizon) put(image, x, y, 250, 190, 90, 255);
        }
    return image;
}

host::Image disc() {
    host::Image image = blank(160, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x) {
            const double d = std::hypot(x - 79.5, y - 79.5);
            const int a = int(std::clamp((78.0 - d) * 32.0, 0.0, 255.0));
            put(image, x, y, 250, 230 - int(d), 120, a);
        }
    return image;
}

host::Image panel() {
    host::Image image = blank(200, 120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool border = x < 4 || y < 4 || x >= 196 || y >= 116;
            border ? put(image, x, y, 255, 255, 255, 255) : put(image, x, y, 20, 40, 90, 255);
        }
    return image;
}

host::Image star() {
    host::Image image = blank(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const double dx = x - 31.5, dy = y - 31.5;
            const double angle = std::atan2(dy, dx), radius = std::hypot(dx, dy);
            const double edge = 18 + 12 * std::cos(5 * angle);
            const int a = int(std::clamp((edge - radius) * 64.0, 0.0, 255.0));
            put(image, x, y, 255, 240, 60 + int(radius * 4), a);
        }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-demo-assets DIR\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/cg";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const struct {
        int number;
        host::Image image;
        bool alpha;
    } pictures[] = {{1, background(), false}, {2, disc(), true}, {3, panel(), false}, {4, star(), true}};
    for (const auto& p : pictures) {
        const std::string path = folder + "/" + std::to_string(p.number) + ".png";
        if (!host::write_file_atomically(path, host::encode_png(p.image, p.alpha))) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
