#pragma once
// Shared by the picture fuzz targets: one entry in an in-memory archive, loaded as the logo loads
// it, into surfaces of the reference host; message boxes go nowhere.
#include <cstdint>
#include <vector>

#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/archive/picture_loader.h"
#include "host/event_log.h"
#include "host/surface.h"
#include "platform/message_box.h"

namespace dawnsigil_fuzz {

class Factory : public ISurfaceFactory {
public:
    int AddRef() override { return 1; }
    int Release() override { return 1; }
    ISurface* CreateWithAlpha(int w, int h, int bpp) override { return host::Surface::create(w, h, bpp, true); }
    ISurface* Create(int w, int h, int bpp) override { return host::Surface::create(w, h, bpp, false); }
    ISurface* Create8(int w, int h) override { return host::Surface::create(w, h, 8, false); }
};

inline void silence_message_boxes() {
    platform::set_message_box_sink([](const platform::MessageBoxRequest&) { return platform::MessageBoxAnswer::kOk; });
}

// The input as an entry starting with `magic` (its first bytes are replaced), loaded once.
inline void load_as(const uint8_t* data, size_t size, const char* magic, size_t magic_size) {
    std::vector<uint8_t> entry(data, data + size);
    for (size_t i = 0; i < magic_size && i < entry.size(); ++i) entry[i] = static_cast<uint8_t>(magic[i]);
    std::vector<uint8_t> file = {'M', 'R', 'L', '0', 1, 0, 0, 0, 16, 0, 0, 0};
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(entry.size() >> (8 * i)));
    file.insert(file.end(), entry.begin(), entry.end());
    dawnsigil::archive::MrlArchive archive;
    if (archive.open(dawnsigil::archive::memory_source(std::move(file))) != dawnsigil::archive::OpenStatus::kOk) return;
    static Factory factory;
    {
        dawnsigil::archive::Picture record;
        dawnsigil::archive::load_picture(archive, factory, 0, record);
    }
    // The reference host's surfaces log their releases; the log would grow with every input.
    host::clear_events();
}

}  // namespace dawnsigil_fuzz
