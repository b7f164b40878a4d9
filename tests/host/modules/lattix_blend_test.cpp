// The blends of the composition: the formulas on chosen values, then each fast path against the
// scalar reference on random surfaces, origins and clipping.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "blend.h"
#include "host/surface.h"

namespace {

using host::graph::BlendOp;
using host::graph::BlendPath;

// Every path this processor can take: the reference, SSE2 and, where there is AVX2, AVX2.
std::vector<BlendPath> paths() {
    std::vector<BlendPath> p{BlendPath::kReference, BlendPath::kSse2};
    if (host::graph::processor_has_avx2()) p.push_back(BlendPath::kAvx2);
    return p;
}

struct SurfaceDeleter {
    void operator()(host::Surface* s) const { s->Release(); }
};
using SurfacePtr = std::unique_ptr<host::Surface, SurfaceDeleter>;

SurfacePtr make_surface(int w, int h, bool alpha) { return SurfacePtr(host::Surface::create(w, h, 32, alpha)); }

void set_pixel(ISurface* s, int x, int y, uint32_t bgra, int alpha = -1) {
    uint8_t* p = s->GetPixelAddress(x, y);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(bgra >> (8 * i));
    if (alpha >= 0) *s->GetAlphaAddress(x, y) = uint8_t(alpha);
}

// The formulas, computed plainly in floating point.
int mix(int s, int d, int a) { return int(std::lround((s * a + d * (255 - a)) / 255.0)); }
int scale(int v, int a) { return int(std::lround(v * a / 255.0)); }

int expected(BlendOp op, int s, int d, int alpha, int rate) {
    switch (op) {
    case BlendOp::kRate: return mix(s, d, rate);
    case BlendOp::kAlphaMap: return mix(s, d, alpha);
    case BlendOp::kAlphaMapRate: return mix(s, d, scale(alpha, rate));
    case BlendOp::kAdd: return std::min(255, d + s);
    case BlendOp::kSub: return std::max(0, d - s);
    case BlendOp::kMul: return scale(d, s);
    case BlendOp::kAddRate: return std::min(255, d + scale(s, rate));
    case BlendOp::kMulRate: return mix(scale(d, s), d, rate);
    case BlendOp::kAlphaMapAdd: return std::min(255, d + scale(s, alpha));
    case BlendOp::kAlphaMapAddRate: return std::min(255, d + scale(s, scale(alpha, rate)));
    }
    return -1;
}

const BlendOp kAllOps[] = {BlendOp::kRate,   BlendOp::kAlphaMap, BlendOp::kAlphaMapRate, BlendOp::kAdd,
                           BlendOp::kSub,    BlendOp::kMul,      BlendOp::kAddRate,      BlendOp::kMulRate,
                           BlendOp::kAlphaMapAdd, BlendOp::kAlphaMapAddRate};

// Every (source, destination) byte pair at a few alphas and rates, through the fast paths and the
// reference alike, against the formula; the fourth byte of the destination never changes.
TEST(Blend, EveryChannelPairFollowsTheFormula) {
    auto src = make_surface(256, 256, true), dst = make_surface(256, 256, false);
    for (auto path : paths()) {
        host::graph::limit_blend_path(path);

        for (BlendOp op : kAllOps) {
            for (int alpha : {0, 1, 128, 254, 255}) {
                const int rate = 255 - alpha / 2;
                for (int y = 0; y < 256; ++y)
                    for (int x = 0; x < 256; ++x) {
                        set_pixel(src.get(), x, y, uint32_t(x) * 0x010101u | 0x55000000u, alpha);
                        set_pixel(dst.get(), x, y, uint32_t(y) * 0x010101u | 0xA5000000u);
                    }
                host::graph::blend(op, dst.get(), 0, 0, src.get(), 0, 0, 256, 256, rate);
                for (int y = 0; y < 256; ++y)
                    for (int x = 0; x < 256; ++x) {
                        const uint8_t* p = dst->GetPixelAddress(x, y);
                        const int want = expected(op, x, y, alpha, rate);
                        ASSERT_EQ(p[0], want)  << "op " << int(op) << " path " << int(path) << " s " << x << " d " << y
                                              << " alpha " << alpha << " rate " << rate;
                        ASSERT_EQ(p[1], want);
                        ASSERT_EQ(p[2], want);
                        ASSERT_EQ(p[3], 0xA5);
                    }
            }
        }
    }
    host::graph::limit_blend_path(BlendPath::kAvx2);
}

// Random surfaces, sizes, origins and clipping on every edge: fast and reference give the same
// bytes. A failure names its seed so that it replays.
TEST(Blend, FastPathsMatchTheReference) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        auto byte = [&] {
            const int k = pick(0, 5);  // biased to the ends, where rounding and shortcuts differ
            return k == 0 ? 0 : k == 1 ? 255 : pick(0, 255);
        };
        const BlendOp op = kAllOps[pick(0, 9)];
        const int sw = pick(1, 70), sh = pick(1, 9), dw = pick(1, 70), dh = pick(1, 9);
        auto src = make_surface(sw, sh, pick(0, 3) != 0);
        auto start = make_surface(dw, dh, false), slow = make_surface(dw, dh, false);
        for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw; ++x)
                set_pixel(src.get(), x, y, uint32_t(byte()) | uint32_t(byte()) << 8 | uint32_t(byte()) << 16,
                          src->HasAlphaMap() ? byte() : -1);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                const uint32_t v = uint32_t(byte()) | uint32_t(byte()) << 8 | uint32_t(byte()) << 16 | uint32_t(byte()) << 24;
                set_pixel(start.get(), x, y, v);
                set_pixel(slow.get(), x, y, v);
            }
        const int dx = pick(-20, dw), dy = pick(-4, dh), sx = pick(-20, sw), sy = pick(-4, sh);
        const int w = pick(0, 80), h = pick(0, 12), rate = pick(-10, 270);
        host::graph::limit_blend_path(BlendPath::kReference);
        host::graph::blend(op, slow.get(), dx, dy, src.get(), sx, sy, w, h, rate);
        for (auto path : paths()) {
            if (path == BlendPath::kReference) continue;
            auto fast_copy = make_surface(dw, dh, false);
            for (int y = 0; y < dh; ++y)
                std::memcpy(fast_copy->GetPixelAddress(0, y), start->GetPixelAddress(0, y), size_t(dw) * 4);
            host::graph::limit_blend_path(path);
            host::graph::blend(op, fast_copy.get(), dx, dy, src.get(), sx, sy, w, h, rate);
            for (int y = 0; y < dh; ++y)
                ASSERT_EQ(0, std::memcmp(fast_copy->GetPixelAddress(0, y), slow->GetPixelAddress(0, y), size_t(dw) * 4))
                    << "seed " << seed << " path " << int(path) << " row " << y;
        }
    }
    host::graph::limit_blend_path(BlendPath::kAvx2);
}

TEST(Blend, ClipsToBothSurfacesAndLeavesTheRestAlone) {
    auto src = make_surface(4, 4, false), dst = make_surface(6, 6, false);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) set_pixel(src.get(), x, y, 0x00FFFFFFu);
    // Source (1,1)-(3,3) drawn at (-1, 4): only its part at destination x 0-1, y 4-5 lands.
    host::graph::blend(BlendOp::kAdd, dst.get(), -1, 4, src.get(), 1, 1, 5, 5, 255);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x <= 1 && y >= 4;
            EXPECT_EQ(dst->GetPixelAddress(x, y)[0], inside ? 255 : 0) << x << "," << y;
        }
    // Extents near the int limits clip without overflow.
    host::graph::blend(BlendOp::kRate, dst.get(), 2147483600, 0, src.get(), 0, 0, 2147483647, 2147483647, 128);
    host::graph::blend(BlendOp::kRate, dst.get(), -2147483647, -2147483647, src.get(), 0, 0, 2147483647, 2147483647, 128);
}

TEST(Blend, ASurfaceOntoItselfReadsTheSourceBeforeWriting) {
    auto s = make_surface(300, 2, false), expected_surface = make_surface(300, 2, false);
    for (int x = 0; x < 300; ++x) {
        set_pixel(s.get(), x, 0, uint32_t(x % 256) * 0x010101u);
        set_pixel(expected_surface.get(), x, 0, uint32_t(x % 256) * 0x010101u);
    }
    // Shift right by three pixels with the add primitive: each pixel adds its left neighbour's old
    // value, never one already changed.
    for (int x = 3; x < 300; ++x) {
        const int v = std::min(255, (x % 256) + ((x - 3) % 256));
        set_pixel(expected_surface.get(), x, 0, uint32_t(v) * 0x010101u);
    }
    host::graph::blend(BlendOp::kAdd, s.get(), 3, 0, s.get(), 0, 0, 297, 1, 255);
    EXPECT_EQ(0, std::memcmp(s->GetPixelAddress(0, 0), expected_surface->GetPixelAddress(0, 0), 300 * 4));
}

TEST(Blend, OtherDepthsAreLeftAlone) {
    SurfacePtr src(host::Surface::create(2, 2, 16, false)), dst(host::Surface::create(2, 2, 32, false));
    set_pixel(dst.get(), 0, 0, 0x11223344u);
    host::graph::blend(BlendOp::kAdd, dst.get(), 0, 0, src.get(), 0, 0, 2, 2, 255);
    EXPECT_EQ(dst->GetPixelAddress(0, 0)[0], 0x44);
    host::graph::blend(BlendOp::kAdd, nullptr, 0, 0, src.get(), 0, 0, 2, 2, 255);
}

}  // namespace
