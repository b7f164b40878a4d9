// One 1280x720 frame: a full-screen opaque background, 32 alpha-map sprites of 256x256 and 16
// translucent ones. The engine's frame (Update: composition, presentation, snapshot) beside pixman
// compositing the same sprites, and a plain copy of the frame's bytes (the memory-bandwidth floor),
// all in one run; the ratios are printed at the end.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "host/png_codec.h"
#include "host/reference_host.h"
#include "platform/clock.h"
#include "platform/modules.h"

namespace {

constexpr int kWidth = 1280, kHeight = 720, kSprite = 256, kAlphaSprites = 32, kTranslucentSprites = 16;

// Where each sprite goes: spread over the screen, partly overlapping, some cut at the edges.
int sprite_x(int i) { return (i * 173) % (kWidth - kSprite / 2) - kSprite / 4; }
int sprite_y(int i) { return (i * 97) % (kHeight - kSprite / 2) - kSprite / 4; }

// A sprite with soft alpha: a disc with a gradient edge, so few runs of four pixels are all
// transparent or all opaque.
host::Image alpha_sprite() {
    host::Image image;
    image.width = image.height = kSprite;
    image.bgra.resize(size_t(kSprite) * kSprite * 4);
    for (int y = 0; y < kSprite; ++y)
        for (int x = 0; x < kSprite; ++x) {
            uint8_t* p = image.bgra.data() + (size_t(y) * kSprite + x) * 4;
            const double d = std::hypot(x - 127.5, y - 127.5) / 128.0;
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x ^ y);
            p[3] = uint8_t(std::clamp(255.0 * (1.1 - d), 0.0, 255.0));
        }
    return image;
}

host::Image opaque_image(int w, int h) {
    host::Image image;
    image.width = w, image.height = h;
    image.bgra.resize(size_t(w) * h * 4);
    for (size_t i = 0; i < image.bgra.size(); ++i) image.bgra[i] = uint8_t(i * 7);
    for (size_t i = 3; i < image.bgra.size(); i += 4) image.bgra[i] = 255;
    return image;
}

std::map<std::string, double> seconds_per_frame;

void record(benchmark::State& state, const char* name) {
    state.SetItemsProcessed(state.iterations());
    (void)name;
}

// The engine on the reference host, on a stepped clock so that the frame's sleeps cost nothing.
struct EngineFrame {
    platform::SteppedClock clock;
    std::filesystem::path assets = std::filesystem::temp_directory_path() / "vk-composition-bench";
    std::unique_ptr<host::ReferenceHost> host;
    int (*update)() = nullptr;

    EngineFrame() {
        platform::set_clock(&clock);
        std::filesystem::create_directories(assets / "cg");
        host::write_file_atomically((assets / "cg/1.png").string(), host::encode_png(opaque_image(kWidth, kHeight), false));
        host::write_file_atomically((assets / "cg/2.png").string(), host::encode_png(alpha_sprite(), true));
        host::write_file_atomically((assets / "cg/3.png").string(), host::encode_png(opaque_image(kSprite, kSprite), false));
        host = std::make_unique<host::ReferenceHost>(host::HostConfig{kWidth, kHeight, 32, assets.string()});
        host->load_service_modules(VK_LIB_DIR);
        platform::ModuleHandle engine = host->load_plugin(VK_LIB_DIR, "Vesperkit");
        auto init = reinterpret_cast<int (*)(IHostcore*, int)>(platform::find_export(engine, "Init"));
        auto set_cg = reinterpret_cast<int (*)(int, int)>(platform::find_export(engine, "SP_SetCG"));
        auto set_pos = reinterpret_cast<int (*)(int, int, int)>(platform::find_export(engine, "SP_SetPos"));
        auto set_z = reinterpret_cast<int (*)(int, int)>(platform::find_export(engine, "SP_SetZ"));
        auto set_rate = reinterpret_cast<int (*)(int, int)>(platform::find_export(engine, "SP_SetBlendRate"));
        update = reinterpret_cast<int (*)()>(platform::find_export(engine, "Update"));
        if (!init || init(host->hostcore(), 256) != 1) std::abort();
        set_cg(1, 1);
        for (int i = 0; i < kAlphaSprites; ++i) {
            set_cg(10 + i, 2);
            set_pos(10 + i, sprite_x(i), sprite_y(i));
            set_z(10 + i, 1 + i);
        }
        for (int i = 0; i < kTranslucentSprites; ++i) {
            set_cg(100 + i, 3);
            set_pos(100 + i, sprite_x(i + 40), sprite_y(i + 40));
            set_z(100 + i, 100 + i);
            set_rate(100 + i, 128);
        }
    }
};

void BM_EngineFrame(benchmark::State& state) {
    static EngineFrame frame;
    for (auto _ : state) benchmark::DoNotOptimize(frame.update());
    record(state, "engine");
}

pixman_image_t* pixman_from(const host::Image& image, pixman_format_code_t format, std::vector<uint32_t>& store) {
    store.assign(image.bgra.size() / 4, 0);
    std::memcpy(store.data(), image.bgra.data(), image.bgra.size());
    return pixman_image_create_bits(format, image.width, image.height, store.data(), image.width * 4);
}

// pixman: the background copied (SRC), the alpha sprites OVER through their alpha as an a8 mask
// (the engine keeps alpha in a separate plane too), the translucent ones OVER through a solid mask.
void BM_PixmanFrame(benchmark::State& state) {
    std::vector<uint32_t> screen_bits(size_t(kWidth) * kHeight), background_bits, sprite_bits, opaque_bits;
    pixman_image_t* screen = pixman_image_create_bits(PIXMAN_x8r8g8b8, kWidth, kHeight, screen_bits.data(), kWidth * 4);
    pixman_image_t* background = pixman_from(opaque_image(kWidth, kHeight), PIXMAN_x8r8g8b8, background_bits);
    const host::Image alpha = alpha_sprite();
    pixman_image_t* sprite = pixman_from(alpha, PIXMAN_x8r8g8b8, sprite_bits);
    std::vector<uint8_t> mask_bits(size_t(kSprite) * kSprite);
    for (size_t i = 0; i < mask_bits.size(); ++i) mask_bits[i] = alpha.bgra[i * 4 + 3];
    pixman_image_t* mask = pixman_image_create_bits(PIXMAN_a8, kSprite, kSprite,
                                                    reinterpret_cast<uint32_t*>(mask_bits.data()), kSprite);
    pixman_image_t* opaque = pixman_from(opaque_image(kSprite, kSprite), PIXMAN_x8r8g8b8, opaque_bits);
    const pixman_color_t half{0x8080, 0x8080, 0x8080, 0x8080};
    pixman_image_t* rate = pixman_image_create_solid_fill(&half);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, background, nullptr, screen, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
        for (int i = 0; i < kAlphaSprites; ++i)
            pixman_image_composite32(PIXMAN_OP_OVER, sprite, mask, screen, 0, 0, 0, 0, sprite_x(i), sprite_y(i),
                                     kSprite, kSprite);
        for (int i = 0; i < kTranslucentSprites; ++i)
            pixman_image_composite32(PIXMAN_OP_OVER, opaque, rate, screen, 0, 0, 0, 0, sprite_x(i + 40),
                                     sprite_y(i + 40), kSprite, kSprite);
        benchmark::DoNotOptimize(screen_bits.data());
    }
    for (pixman_image_t* image : {screen, background, sprite, mask, opaque, rate}) pixman_image_unref(image);
    record(state, "pixman");
}

// The floor: one pass over the frame's bytes.
void BM_PlainCopy(benchmark::State& state) {
    std::vector<uint8_t> from(size_t(kWidth) * kHeight * 4, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
    record(state, "copy");
}

BENCHMARK(BM_EngineFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's mean time per frame for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.iterations > 0) seconds_per_frame[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double engine = seconds_per_frame["BM_EngineFrame"], pixman = seconds_per_frame["BM_PixmanFrame"],
                 copy = seconds_per_frame["BM_PlainCopy"];
    if (engine > 0 && pixman > 0 && copy > 0)
        std::printf("\nframe 1280x720, 32 alpha + 16 translucent sprites of 256x256:\n"
                    "  engine %.3f ms   pixman %.3f ms   plain copy %.3f ms\n"
                    "  engine / pixman = %.2f (target: 1.00 or less)   engine / copy = %.1f\n",
                    engine * 1e3, pixman * 1e3, copy * 1e3, engine / pixman, engine / copy);
    benchmark::Shutdown();
    return 0;
}
