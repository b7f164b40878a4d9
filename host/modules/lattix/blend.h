#pragma once
// The blending primitives of the composition, on 32-bit surfaces. Colour bytes (blue, green, red)
// are combined per channel; the destination's fourth byte keeps its value. Rounding is to nearest:
//
//   mix(s, d, a)  = round((s * a + d * (255 - a)) / 255)
//   scale(v, a)   = round(v * a / 255)
//
//   kRate              d = mix(s, d, rate)
//   kAlphaMap          d = mix(s, d, alpha)                 alpha: the source's alpha-map byte
//   kAlphaMapRate      d = mix(s, d, scale(alpha, rate))
//   kAdd               d = min(255, d + s)
//   kSub               d = max(0, d - s)
//   kMul               d = scale(d, s)
//   kAddRate           d = min(255, d + scale(s, rate))
//   kMulRate           d = mix(scale(d, s), d, rate)
//   kAlphaMapAdd       d = min(255, d + scale(s, alpha))
//   kAlphaMapAddRate   d = min(255, d + scale(s, scale(alpha, rate)))
//
// A source without an alpha map counts as opaque (alpha 255). Rates outside 0-255 are clamped.
#include <cstdint>

#include "interfaces/surface.h"

namespace host::graph {

enum class BlendOp {
    kRate,
    kAlphaMap,
    kAlphaMapRate,
    kAdd,
    kSub,
    kMul,
    kAddRate,
    kMulRate,
    kAlphaMapAdd,
    kAlphaMapAddRate,
};
constexpr int kBlendOpCount = 10;

void blend(BlendOp op, ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x,
           int source_y, int width, int height, int rate);

// One row: n pixels of destination and source, the source's alpha bytes (null for ops without).
using BlendRow = void (*)(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, int n, int rate);

// The plain one-pixel-at-a-time rows: they define what is correct.
BlendRow reference_row(BlendOp op);
// The fast rows for an op, or null where there is none (the next narrower path serves). The AVX2
// rows may only run where the processor has AVX2.
BlendRow sse2_row(BlendOp op);
BlendRow avx2_row(BlendOp op);

// The widest path a blend may take. Narrowing it to the reference (environment
// VK_GRAPH_REFERENCE=1, or this call) turns every fast path off, so that a wrong pixel can be
// pinned on the reference or on one fast path.
enum class BlendPath { kReference, kSse2, kAvx2 };
void limit_blend_path(BlendPath widest);
bool processor_has_avx2();

// round(v / 255) for 0 <= v <= 255 * 255.
constexpr int div255(int v) { return (v + 127) / 255; }

}  // namespace host::graph
