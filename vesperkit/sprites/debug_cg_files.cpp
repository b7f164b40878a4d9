#include "vesperkit/sprites/debug_cg_files.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/file_system.h"
#include "platform/path.h"

namespace vesperkit::sprites {
namespace {

constexpr const char* kMainFolder = "CG";
constexpr const char* kAlphaFolder = "CG\\SP";
constexpr const char* kExtensions[] = {"bmp", "jpg", "png"};

std::set<std::string> list(const char* script_folder) {
    std::set<std::string> names;
    std::vector<platform::FolderEntry> entries;
    if (platform::file_system().list_folder(platform::host_path(script_folder), entries) != platform::FileError::kNone)
        return names;
    for (auto& entry : entries) names.insert(std::move(entry.name));
    return names;
}

// Reads a whole file of the current directory and decodes it; null when it cannot be read, is empty
// or does not decode.
ISurface* read_and_decode(const std::string& script_path, IUngild* decoder) {
    std::vector<uint8_t> bytes;
    if (platform::file_system().read_file(platform::host_path(script_path.c_str()), bytes) != platform::FileError::kNone)
        return nullptr;
    if (bytes.empty() || bytes.size() > size_t(INT_MAX)) return nullptr;
    return decoder->Decode(bytes.data(), static_cast<int>(bytes.size()));
}

// Colours from main, fourth bytes from the second image, into a new 32-bit surface with an alpha
// map; that map itself stays as the factory made it.
ISurface* combine(ISurface* main, ISurface* alpha, ISurfaceFactory* factory) {
    if (main->GetBitsPerPixel() != 32 || alpha->GetBitsPerPixel() != 32 || !main->HasPixel() ||
        !alpha->HasAlphaMap() || main->GetWidth() != alpha->GetWidth() || main->GetHeight() != alpha->GetHeight())
        return nullptr;
    const int width = main->GetWidth(), height = main->GetHeight();
    ISurface* result = factory->CreateWithAlpha(width, height, 32);
    if (!result) return nullptr;
    for (int y = 0; y < height; ++y) {
        uint8_t* to = result->GetPixelAddress(0, y);
        const uint8_t* colour = main->GetPixelAddress(0, y);
        const uint8_t* fourth = alpha->GetPixelAddress(0, y);
        if (!to || !colour || !fourth) {
            result->Release();
            return nullptr;
        }
        for (int x = 0; x < width; ++x) {
            std::memcpy(to + x * 4, colour + x * 4, 3);
            to[x * 4 + 3] = fourth[x * 4 + 3];
        }
    }
    return result;
}

}  // namespace

std::string debug_cg_name(int number, const char* extension) {
    char name[64];
    std::snprintf(name, sizeof name, "CG%05d.%s", number, extension);
    return name;
}

void DebugCgFiles::Take() {
    main_ = list(kMainFolder);
    alpha_ = list(kAlphaFolder);
    enabled_ = true;
}

std::string DebugCgFiles::main_name(int number) const {
    for (const char* extension : kExtensions) {
        std::string name = debug_cg_name(number, extension);
        if (main_.count(name)) return name;
    }
    return {};
}

bool DebugCgFiles::IsExist(int number) const { return enabled_ && !main_name(number).empty(); }

ISurface* DebugCgFiles::Load(int number, IUngild* decoder, ISurfaceFactory* factory) const {
    if (!enabled_ || !decoder) return nullptr;
    const std::string name = main_name(number);
    if (name.empty()) return nullptr;
    ISurface* main = read_and_decode(std::string(kMainFolder) + "\\" + name, decoder);
    if (!main) return nullptr;
    const std::string alpha_name = debug_cg_name(number, "bmp");
    if (!alpha_.count(alpha_name)) return main;

    ISurface* alpha = read_and_decode(std::string(kAlphaFolder) + "\\" + alpha_name, decoder);
    ISurface* result = alpha && factory ? combine(main, alpha, factory) : nullptr;
    if (alpha) alpha->Release();
    main->Release();
    return result;
}

}  // namespace vesperkit::sprites
