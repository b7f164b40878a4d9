// SSE2 rows for the blends every frame uses: constant rate, alpha map (with and without rate),
// and the opaque add, subtract and multiply. Four pixels a step in 16-bit lanes; the division by
// 255 is exact: round(v / 255) = ((v + 128) + ((v + 128) >> 8)) >> 8 for 0 <= v <= 255 * 255. The
// fourth byte of each destination pixel is put back unchanged. Tails go through the reference.
#include <emmintrin.h>

#include <cstring>

#include "blend.h"

namespace host::graph {
namespace {

const __m128i kZero = _mm_setzero_si128();
const __m128i k128 = _mm_set1_epi16(128);
const __m128i k255 = _mm_set1_epi16(255);
// The fourth byte of each of four pixels.
const __m128i kFourthBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));

inline __m128i div255_epu16(__m128i v) {
    v = _mm_add_epi16(v, k128);
    return _mm_srli_epi16(_mm_add_epi16(v, _mm_srli_epi16(v, 8)), 8);
}

// mix(s, d, a) on eight 16-bit channels: (s * a + d * (255 - a)) / 255.
inline __m128i mix_epu16(__m128i s, __m128i d, __m128i a) {
    return div255_epu16(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, _mm_sub_epi16(k255, a))));
}

inline __m128i load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void store_keeping_fourth(uint8_t* p, __m128i old, __m128i result) {
    result = _mm_or_si128(_mm_andnot_si128(kFourthBytes, result), _mm_and_si128(kFourthBytes, old));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), result);
}

// Spreads four alpha bytes over the channels of four pixels, as 16-bit lanes: low and high halves.
inline void spread_alpha(const uint8_t* alpha, __m128i& lo, __m128i& hi) {
    uint32_t four;
    std::memcpy(&four, alpha, 4);
    __m128i a = _mm_cvtsi32_si128(static_cast<int>(four));  // a0 a1 a2 a3
    a = _mm_unpacklo_epi8(a, a);                            // a0 a0 a1 a1 a2 a2 a3 a3
    a = _mm_unpacklo_epi16(a, a);                           // each alpha four times
    lo = _mm_unpacklo_epi8(a, kZero);
    hi = _mm_unpackhi_epi8(a, kZero);
}

template <class Step>
void rows_of_four(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int rate, BlendOp op, Step step) {
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i dv = load(d + 4 * i), sv = load(s + 4 * i);
        store_keeping_fourth(d + 4 * i, dv, step(dv, sv, alpha ? alpha + i : nullptr));
    }
    if (i < n) reference_row(op)(d + 4 * i, s + 4 * i, alpha ? alpha + i : nullptr, n - i, rate);
}

inline __m128i mix_pixels(__m128i dv, __m128i sv, __m128i a_lo, __m128i a_hi) {
    const __m128i lo = mix_epu16(_mm_unpacklo_epi8(sv, kZero), _mm_unpacklo_epi8(dv, kZero), a_lo);
    const __m128i hi = mix_epu16(_mm_unpackhi_epi8(sv, kZero), _mm_unpackhi_epi8(dv, kZero), a_hi);
    return _mm_packus_epi16(lo, hi);
}

void rate_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    const __m128i a = _mm_set1_epi16(static_cast<int16_t>(r));
    rows_of_four(d, s, nullptr, n, r, BlendOp::kRate,
                 [a](__m128i dv, __m128i sv, const uint8_t*) { return mix_pixels(dv, sv, a, a); });
}

void alpha_map_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    rows_of_four(d, s, alpha, n, r, BlendOp::kAlphaMap, [](__m128i dv, __m128i sv, const uint8_t* a4) {
        uint32_t four;
        std::memcpy(&four, a4, 4);
        if (four == 0) return dv;                    // fully transparent: nothing changes
        if (four == 0xFFFFFFFFu) return sv;          // fully opaque: the source's colours
        __m128i lo, hi;
        spread_alpha(a4, lo, hi);
        return mix_pixels(dv, sv, lo, hi);
    });
}

void alpha_map_rate_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    const __m128i rate = _mm_set1_epi16(static_cast<int16_t>(r));
    rows_of_four(d, s, alpha, n, r, BlendOp::kAlphaMapRate, [rate](__m128i dv, __m128i sv, const uint8_t* a4) {
        __m128i lo, hi;
        spread_alpha(a4, lo, hi);
        return mix_pixels(dv, sv, div255_epu16(_mm_mullo_epi16(lo, rate)), div255_epu16(_mm_mullo_epi16(hi, rate)));
    });
}

void add_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    rows_of_four(d, s, nullptr, n, r, BlendOp::kAdd,
                 [](__m128i dv, __m128i sv, const uint8_t*) { return _mm_adds_epu8(dv, sv); });
}

void sub_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    rows_of_four(d, s, nullptr, n, r, BlendOp::kSub,
                 [](__m128i dv, __m128i sv, const uint8_t*) { return _mm_subs_epu8(dv, sv); });
}

void mul_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    rows_of_four(d, s, nullptr, n, r, BlendOp::kMul, [](__m128i dv, __m128i sv, const uint8_t*) {
        const __m128i lo = div255_epu16(_mm_mullo_epi16(_mm_unpacklo_epi8(dv, kZero), _mm_unpacklo_epi8(sv, kZero)));
        const __m128i hi = div255_epu16(_mm_mullo_epi16(_mm_unpackhi_epi8(dv, kZero), _mm_unpackhi_epi8(sv, kZero)));
        return _mm_packus_epi16(lo, hi);
    });
}

}  // namespace

BlendRow sse2_row(BlendOp op) {
    switch (op) {
    case BlendOp::kRate: return rate_row;
    case BlendOp::kAlphaMap: return alpha_map_row;
    case BlendOp::kAlphaMapRate: return alpha_map_rate_row;
    case BlendOp::kAdd: return add_row;
    case BlendOp::kSub: return sub_row;
    case BlendOp::kMul: return mul_row;
    default: return nullptr;
    }
}

}  // namespace host::graph
