// A CG through the engine's loader: a cache hit, and a miss that decodes a 1280 × 720 PNG, beside
// libpng decoding the same file alone into 32-bit rows, measured in the same run.
#include <benchmark/benchmark.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "host/event_log.h"
#include "host/memory_block.h"
#include "interfaces/guids.h"
#include "platform/modules.h"
#include "support/image_files.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/sprites/cg_loader.h"

namespace {

constexpr int kWidth = 1280, kHeight = 720;

// A picture of a game's kind: smooth gradients with some noise, opaque.
const std::vector<uint8_t>& picture() {
    static const std::vector<uint8_t> file = test_support::png_file(test_support::pattern(kWidth, kHeight, 1, false), false);
    return file;
}

class PictureLinkFile : public IVLTFile {
public:
    int AddRef() override { return 2; }
    int Release() override { return 1; }
    IMemory* Load(int) override { return new host::MemoryBlock(picture()); }
    bool IsExist(int) override { return true; }
    bool IsExistSound(int) override { return true; }
    int GetNumof() override { return 2; }
    void* GetPointer() override { return nullptr; }
    const char* GetDataFileName() override { return "bench.dat"; }
    const char* GetLinkFileName() override { return "bench.vlt"; }
};

template <class Interface>
Interface* bind(const char* module, const GUID& iid) {
    platform::ModuleHandle handle = platform::load_module(std::string(VK_LIB_DIR) + "/lib" + module + ".so");
    auto create = reinterpret_cast<CreateInterfaceFn>(platform::find_export(handle, "CreateInterface"));
    return create ? static_cast<Interface*>(create(&iid)) : nullptr;
}

struct Engine {
    explicit Engine(uint32_t capacity) {
        decoder = bind<IUngild>("Ungild", IID_IUngild);
        factory = bind<ISurfaceFactory>("Facetry", IID_ISurfaceFactory);
        cache = vesperkit::allocate<CCGCache>("CCGCache", factory, nullptr, capacity);
        loader.Init(&link, decoder, factory, cache, nullptr);
    }
    ~Engine() {
        cache->Release();
        if (decoder) decoder->Release();
        if (factory) factory->Release();
    }
    PictureLinkFile link;
    IUngild* decoder = nullptr;
    ISurfaceFactory* factory = nullptr;
    CCGCache* cache = nullptr;
    vesperkit::sprites::CgLoader loader;
};

void BM_CgCacheHit(benchmark::State& state) {
    Engine engine(64u << 20);
    ISurface* first = engine.loader.Load(1);
    if (!first) return state.SkipWithError("the picture did not load");
    first->Release();
    uint32_t count = 0;
    for (auto _ : state) {
        ISurface* s = engine.loader.Load(1);
        benchmark::DoNotOptimize(s);
        s->Release();
        if (++count % 65536 == 0) host::clear_events();  // the stand-in logs every Release
    }
}
BENCHMARK(BM_CgCacheHit);

// What a hit costs beyond the reference the caller takes and gives back: the reference host's
// surfaces record every Release, which dominates a hit.
void BM_SurfaceReferenceAlone(benchmark::State& state) {
    Engine engine(64u << 20);
    ISurface* s = engine.loader.Load(1);
    if (!s) return state.SkipWithError("the picture did not load");
    uint32_t count = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s->AddRef());
        s->Release();
        if (++count % 65536 == 0) host::clear_events();
    }
    s->Release();
}
BENCHMARK(BM_SurfaceReferenceAlone);

// A cache of capacity 0 keeps only the newest CG: loading two numbers in turn misses every time.
void BM_CgCacheMissDecodesThePng(benchmark::State& state) {
    Engine engine(0);
    int number = 1;
    for (auto _ : state) {
        ISurface* s = engine.loader.Load(number);
        if (!s) return state.SkipWithError("the picture did not load");
        benchmark::DoNotOptimize(s);
        s->Release();
        number = 3 - number;
    }
    state.SetBytesProcessed(state.iterations() * int64_t(picture().size()));
}
BENCHMARK(BM_CgCacheMissDecodesThePng)->Unit(benchmark::kMillisecond);

// The reference: libpng alone, same file, same output layout (blue, green, red, 255).
struct Reader {
    const uint8_t* data;
    size_t size, at;
};

void read_bytes(png_structp png, png_bytep out, size_t count) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > r->size - r->at) png_error(png, "truncated");
    std::memcpy(out, r->data + r->at, count);
    r->at += count;
}

bool decode_alone(const std::vector<uint8_t>& file, std::vector<uint8_t>& pixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Reader reader{file.data(), file.size(), 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, read_bytes);
    png_read_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const size_t row_bytes = png_get_rowbytes(png, info);
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, pixels.data() + y * row_bytes, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void BM_LibpngAloneDecodesThePng(benchmark::State& state) {
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 4);
    for (auto _ : state) {
        if (!decode_alone(picture(), pixels)) return state.SkipWithError("libpng refused the picture");
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(picture().size()));
}
BENCHMARK(BM_LibpngAloneDecodesThePng)->Unit(benchmark::kMillisecond);

}  // namespace
