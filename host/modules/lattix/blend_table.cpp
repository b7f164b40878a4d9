#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "blend.h"
#include "clip.h"

namespace host::graph {
namespace {

std::atomic<int> widest_path{-1};  // -1: not yet read from the environment

BlendPath widest() {
    int v = widest_path.load();
    if (v < 0) {
        const char* env = std::getenv("VK_GRAPH_REFERENCE");
        v = int(env && std::strcmp(env, "1") == 0 ? BlendPath::kReference : BlendPath::kAvx2);
        widest_path.store(v);
    }
    return BlendPath(v);
}

// A source without an alpha map is opaque: its alpha-map blends are the plain ones (at rate 255
// where they take no rate).
BlendOp without_alpha(BlendOp op, int& rate) {
    switch (op) {
    case BlendOp::kAlphaMap: rate = 255; return BlendOp::kRate;
    case BlendOp::kAlphaMapRate: return BlendOp::kRate;
    case BlendOp::kAlphaMapAdd: return BlendOp::kAdd;
    case BlendOp::kAlphaMapAddRate: return BlendOp::kAddRate;
    default: return op;
    }
}

bool uses_alpha(BlendOp op) {
    return op == BlendOp::kAlphaMap || op == BlendOp::kAlphaMapRate || op == BlendOp::kAlphaMapAdd ||
           op == BlendOp::kAlphaMapAddRate;
}

}  // namespace

void limit_blend_path(BlendPath path) { widest_path.store(int(path)); }

bool processor_has_avx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

void blend(BlendOp op, ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
           int source_y, int width, int height, int rate) {
    if (!destination || !source || !destination->HasPixel() || !source->HasPixel()) return;
    if (destination->GetBitsPerPixel() != 32 || source->GetBitsPerPixel() != 32) return;
    Area a{destination_x, destination_y, source_x, source_y, width, height};
    if (!clip(a, destination, source)) return;
    rate = std::clamp(rate, 0, 255);
    if (!source->HasAlphaMap()) op = without_alpha(op, rate);
    // The row is chosen once per call, not per pixel: the widest fast path there is, then the
    // reference.
    const BlendPath path = widest();
    BlendRow row = nullptr;
    if (path == BlendPath::kAvx2 && processor_has_avx2()) row = avx2_row(op);
    if (!row && path != BlendPath::kReference) row = sse2_row(op);
    if (!row) row = reference_row(op);
    const bool alpha = uses_alpha(op);
    const int n = static_cast<int>(a.w);
    std::vector<uint8_t> source_copy;
    for (int64_t y = 0; y < a.h; ++y) {
        uint8_t* d = destination->GetPixelAddress(int(a.dx), int(a.dy + y));
        const uint8_t* s = source->GetPixelAddress(int(a.sx), int(a.sy + y));
        if (!d || !s) continue;
        const uint8_t* alpha_row = alpha ? source->GetAlphaAddress(int(a.sx), int(a.sy + y)) : nullptr;
        // Drawing a surface onto itself: blend from a copy of the whole source row, taken before
        // any of it is written.
        if (destination == source) {
            source_copy.assign(s, s + size_t(n) * 4);
            s = source_copy.data();
        }
        row(d, s, alpha_row, n, rate);
    }
}

}  // namespace host::graph
