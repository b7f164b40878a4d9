// vesper-play SCENE [--assets DIR] [--out DIR] [--size WxH] [--codepage N]
//
// Runs a scene file against the plug-ins on the reference host, on a virtual clock. Exit status: 0
// when every check held, 1 when one failed, 2 when the scene could not be read or run.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "parse.h"
#include "runner.h"

namespace {

int usage(const char* why) {
    std::cerr << "vesper-play: " << why << "\n"
              << "usage: vesper-play SCENE [--assets DIR] [--out DIR] [--size WxH] [--codepage 932|936]\n";
    return 2;
}

// The plug-ins and service modules stand in ../lib beside the program's own folder.
std::string default_lib_dir() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "lib";
    return (self.parent_path().parent_path() / "lib").string();
}

}  // namespace

int main(int argc, char** argv) {
    vesper_play::PlayerOptions options;
    options.lib_dir = default_lib_dir();
    std::string scene_path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* flag) -> const char* {
            if (i + 1 >= argc) return nullptr;
            (void)flag;
            return argv[++i];
        };
        if (arg == "--assets") {
            const char* v = value("--assets");
            if (!v) return usage("--assets needs a folder");
            options.assets_dir = v;
        } else if (arg == "--out") {
            const char* v = value("--out");
            if (!v) return usage("--out needs a folder");
            options.out_dir = v;
        } else if (arg == "--lib") {
            const char* v = value("--lib");
            if (!v) return usage("--lib needs a folder");
            options.lib_dir = v;
        } else if (arg == "--size") {
            const char* v = value("--size");
            int w = 0, h = 0;
            char extra = 0;
            if (!v || std::sscanf(v, "%dx%d%c", &w, &h, &extra) != 2 || w <= 0 || h <= 0 || w > 8192 || h > 8192)
                return usage("--size takes WxH, e.g. 800x600");
            options.width = w, options.height = h;
        } else if (arg == "--codepage") {
            const char* v = value("--codepage");
            if (!v || (std::string(v) != "932" && std::string(v) != "936")) return usage("--codepage takes 932 or 936");
            options.code_page = std::stoi(v);
        } else if (!arg.empty() && arg[0] == '-') {
            return usage(("unknown option " + arg).c_str());
        } else if (scene_path.empty()) {
            scene_path = arg;
        } else {
            return usage("one scene at a time");
        }
    }
    if (scene_path.empty()) return usage("no scene given");

    std::ifstream in(scene_path, std::ios::binary);
    if (!in) {
        std::cerr << scene_path << ":0: cannot read the scene\n";
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto scene = vesper_play::parse_scene(scene_path, text.str(), error);
    if (!scene) {
        std::cerr << error << "\n";
        return 2;
    }
    vesper_play::Runner runner(options, std::cerr);
    if (!runner.start()) return 2;
    return static_cast<int>(runner.run(*scene));
}
