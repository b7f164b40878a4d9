// Arbitrary bytes through the engine's CG load path: the "cg" link file hands them out, the
// reference host's decoder turns them into a surface (or refuses them), the cache keeps what comes
// out. Every surface that results is read whole, so that a decoder that reports more than it holds
// is caught by the address sanitizer.
#include <cstdint>
#include <string>
#include <vector>

#include "host/memory_block.h"
#include "interfaces/guids.h"
#include "platform/message_box.h"
#include "platform/modules.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/sprites/cg_loader.h"

namespace {

// A link file whose every entry is the fuzzer's input.
class InputLinkFile : public IVLTFile {
public:
    InputLinkFile(const uint8_t* data, size_t size) : bytes_(data, data + size) {}
    int AddRef() override { return 2; }
    int Release() override { return 1; }
    IMemory* Load(int) override { return new host::MemoryBlock(bytes_); }
    bool IsExist(int) override { return true; }
    bool IsExistSound(int) override { return true; }
    int GetNumof() override { return 1; }
    void* GetPointer() override { return nullptr; }
    const char* GetDataFileName() override { return "fuzz.dat"; }
    const char* GetLinkFileName() override { return "fuzz.vlt"; }

private:
    std::vector<uint8_t> bytes_;
};

template <class Interface>
Interface* bind(const char* module, const GUID& iid) {
    platform::ModuleHandle handle = platform::load_module(std::string(VK_LIB_DIR) + "/lib" + module + ".so");
    auto create = reinterpret_cast<CreateInterfaceFn>(platform::find_export(handle, "CreateInterface"));
    return create ? static_cast<Interface*>(create(&iid)) : nullptr;
}

struct Services {
    Services() {
        // A CG that does not decode asks the player; the fuzzer always gives up on it.
        platform::set_message_box_sink([](const platform::MessageBoxRequest&) { return platform::MessageBoxAnswer::kCancel; });
        decoder = bind<IUngild>("Ungild", IID_IUngild);
        factory = bind<ISurfaceFactory>("Facetry", IID_ISurfaceFactory);
        if (!decoder || !factory) __builtin_trap();
    }
    IUngild* decoder = nullptr;
    ISurfaceFactory* factory = nullptr;
};

volatile uint8_t sink;

void read_whole(ISurface* s) {
    uint8_t sum = 0;
    const int row_bytes = s->GetWidth() * s->GetBitsPerPixel() / 8;
    for (int y = 0; y < s->GetHeight(); ++y) {
        const uint8_t* row = s->GetPixelAddress(0, y);
        for (int i = 0; i < row_bytes; ++i) sum ^= row[i];
        if (const uint8_t* alpha = s->GetAlphaAddress(0, y))
            for (int x = 0; x < s->GetWidth(); ++x) sum ^= alpha[x];
    }
    sink = sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Services services;
    InputLinkFile link(data, size);
    CCGCache* cache = vesperkit::allocate<CCGCache>("CCGCache", services.factory, nullptr, 1u << 20);
    vesperkit::sprites::CgLoader loader;
    loader.Init(&link, services.decoder, services.factory, cache, nullptr);
    if (ISurface* surface = loader.Load(1)) {
        read_whole(surface);
        ISurface* again = loader.Load(1);  // a cache hit
        if (again != surface) __builtin_trap();
        again->Release();
        surface->Release();
    }
    cache->Release();
    return 0;
}
