// Each blend's fast paths against its scalar reference: one 256x256 alpha sprite onto a 256x256
// destination.
#include <benchmark/benchmark.h>

#include "blend.h"
#include "host/surface.h"

namespace {

using host::graph::BlendOp;
using host::graph::BlendPath;

void BM_Blend(benchmark::State& state) {
    const auto op = BlendOp(state.range(0));
    const auto path = BlendPath(state.range(1));
    if (path == BlendPath::kAvx2 && !host::graph::processor_has_avx2()) {
        state.SkipWithError("no AVX2 on this processor");
        return;
    }
    host::Surface* src = host::Surface::create(256, 256, 32, true);
    host::Surface* dst = host::Surface::create(256, 256, 32, false);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            uint8_t* p = src->GetPixelAddress(x, y);
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x + y);
            *src->GetAlphaAddress(x, y) = uint8_t(x ^ y);
        }
    host::graph::limit_blend_path(path);
    for (auto _ : state) host::graph::blend(op, dst, 0, 0, src, 0, 0, 256, 256, 200);
    state.SetItemsProcessed(state.iterations() * 256 * 256);
    host::graph::limit_blend_path(BlendPath::kAvx2);
    src->Release();
    dst->Release();
}

void Arguments(benchmark::internal::Benchmark* b) {
    for (BlendOp op : {BlendOp::kRate, BlendOp::kAlphaMap, BlendOp::kAlphaMapRate, BlendOp::kAdd, BlendOp::kSub,
                       BlendOp::kMul})
        for (BlendPath path : {BlendPath::kReference, BlendPath::kSse2, BlendPath::kAvx2})
            b->Args({int(op), int(path)});
    b->ArgNames({"op", "path"});
}

BENCHMARK(BM_Blend)->Apply(Arguments);

}  // namespace
