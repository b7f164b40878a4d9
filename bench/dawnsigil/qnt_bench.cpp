// How much of a QNT decode is zlib's: the full decode (inflate, unshuffle, prediction, writing the
// surface) of a 1280 x 720 picture with and without alpha, and zlib inflating the same streams
// into buffers of the same size, nothing else.
#include <benchmark/benchmark.h>

#include <cmath>

#include "dawnsigil/archive/qnt_decoder.h"
#include "dawnsigil/archive/zlib_inflate.h"
#include "fixtures/qnt_encoder.h"

namespace {

using namespace dawnsigil::archive;
using namespace dawnsigil_fixtures;

constexpr int kWidth = 1280, kHeight = 720;

// Smooth gradients with a little grain and a soft alpha edge, closer to a logo picture than noise
// (which would make zlib store the streams) or flat colour (which would make it trivial).
Image logo_like() {
    Image image(kWidth, kHeight);
    uint32_t state = 12345;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            state = state * 1103515245u + 12345u;
            const int grain = int(state >> 28) - 8;
            uint8_t* p = image.at(x, y);
            p[0] = uint8_t(std::clamp(x * 255 / kWidth + grain, 0, 255));
            p[1] = uint8_t(std::clamp(y * 255 / kHeight + grain, 0, 255));
            p[2] = uint8_t(std::clamp(int(128 + 127 * std::sin(x * 0.01 + y * 0.02)) + grain, 0, 255));
            const double r = std::hypot(x - kWidth / 2.0, y - kHeight / 2.0);
            p[3] = uint8_t(std::clamp(int(400 - r), 0, 255));
        }
    return image;
}

struct Fixture {
    std::vector<uint8_t> with_alpha, without_alpha;
    std::vector<uint8_t> pixel_stream, alpha_stream;
    Fixture() {
        const Image image = logo_like();
        QntOptions options;
        options.alpha = true;
        with_alpha = encode_qnt(image, options);
        without_alpha = encode_qnt(image);
        pixel_stream = qnt_pixel_stream(image);
        alpha_stream = qnt_alpha_stream(image);
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void decode(benchmark::State& state, const std::vector<uint8_t>& file) {
    const QntHeader header = *parse_qnt_header(file);
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 4), alpha(size_t(kWidth) * kHeight);
    const Plane32 out{pixels.data(), kWidth * 4, kWidth, kHeight};
    const Plane8 alpha_out{alpha.data(), kWidth, kWidth, kHeight};
    for (auto _ : state) {
        const DecodeStatus status = decode_qnt(file, header, out, header.has_alpha() ? &alpha_out : nullptr);
        if (!status.ok()) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.counters["compressed_bytes"] = double(file.size());
}

void BM_QntDecode(benchmark::State& state) { decode(state, fixture().without_alpha); }
void BM_QntDecodeWithAlpha(benchmark::State& state) { decode(state, fixture().with_alpha); }

void inflate_streams(benchmark::State& state, bool alpha) {
    const size_t plane = size_t(kWidth) * kHeight;
    std::vector<uint8_t> pixels(plane * 3), alpha_plane(plane);
    for (auto _ : state) {
        if (!inflate_exact(fixture().pixel_stream, pixels).ok()) state.SkipWithError("inflate failed");
        if (alpha && !inflate_exact(fixture().alpha_stream, alpha_plane).ok()) state.SkipWithError("inflate failed");
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_InflateOnly(benchmark::State& state) { inflate_streams(state, false); }
void BM_InflateOnlyWithAlpha(benchmark::State& state) { inflate_streams(state, true); }

BENCHMARK(BM_QntDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QntDecodeWithAlpha)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateOnlyWithAlpha)->Unit(benchmark::kMillisecond);

}  // namespace
