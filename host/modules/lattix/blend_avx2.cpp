// AVX2 rows for the blends that dominate a frame: constant rate and the alpha-map blends, eight
// pixels a step. Same arithmetic as the SSE2 rows (exact division by 255 in 16-bit lanes); tails
// go through the SSE2 rows. Built with -mavx2 and chosen only when the processor has AVX2.
#include <immintrin.h>

#include <cstring>

#include "blend.h"

namespace host::graph {
namespace {

inline __m256i div255(__m256i v) {
    v = _mm256_add_epi16(v, _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(v, _mm256_srli_epi16(v, 8)), 8);
}

inline __m256i mix(__m256i s, __m256i d, __m256i a) {
    return div255(_mm256_add_epi16(_mm256_mullo_epi16(s, a),
                                   _mm256_mullo_epi16(d, _mm256_sub_epi16(_mm256_set1_epi16(255), a))));
}

// Unpacking works within each 128-bit half: the low half holds pixels 0-3, the high half 4-7, and
// the alpha vectors are laid out the same way.
inline __m256i mix_pixels(__m256i dv, __m256i sv, __m256i a_lo, __m256i a_hi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo = mix(_mm256_unpacklo_epi8(sv, zero), _mm256_unpacklo_epi8(dv, zero), a_lo);
    const __m256i hi = mix(_mm256_unpackhi_epi8(sv, zero), _mm256_unpackhi_epi8(dv, zero), a_hi);
    return _mm256_packus_epi16(lo, hi);
}

// Eight alpha bytes spread over the channels of eight pixels, as 16-bit lanes.
inline void spread_alpha(const uint8_t* alpha, __m256i& lo, __m256i& hi) {
    long long eight;
    std::memcpy(&eight, alpha, 8);
    __m128i a = _mm_cvtsi64_si128(eight);
    a = _mm_unpacklo_epi8(a, a);                          // a0 a0 a1 a1 ... a7 a7
    const __m128i first = _mm_unpacklo_epi16(a, a);       // a0 x4 .. a3 x4
    const __m128i second = _mm_unpackhi_epi16(a, a);      // a4 x4 .. a7 x4
    const __m256i spread = _mm256_set_m128i(second, first);
    lo = _mm256_unpacklo_epi8(spread, _mm256_setzero_si256());
    hi = _mm256_unpackhi_epi8(spread, _mm256_setzero_si256());
}

inline __m256i load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }

inline void store_keeping_fourth(uint8_t* p, __m256i old, __m256i result) {
    const __m256i fourth = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p),
                        _mm256_or_si256(_mm256_andnot_si256(fourth, result), _mm256_and_si256(fourth, old)));
}

template <class Step>
void rows_of_eight(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int rate, BlendOp op, Step step) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i dv = load(d + 4 * i);
        store_keeping_fourth(d + 4 * i, dv, step(dv, load(s + 4 * i), alpha ? alpha + i : nullptr));
    }
    if (i < n) sse2_row(op)(d + 4 * i, s + 4 * i, alpha ? alpha + i : nullptr, n - i, rate);
}

void rate_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    const __m256i a = _mm256_set1_epi16(static_cast<int16_t>(r));
    rows_of_eight(d, s, nullptr, n, r, BlendOp::kRate,
                  [a](__m256i dv, __m256i sv, const uint8_t*) { return mix_pixels(dv, sv, a, a); });
}

void alpha_map_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    rows_of_eight(d, s, alpha, n, r, BlendOp::kAlphaMap, [](__m256i dv, __m256i sv, const uint8_t* a8) {
        uint64_t eight;
        std::memcpy(&eight, a8, 8);
        if (eight == 0) return dv;                  // fully transparent: nothing changes
        if (eight == ~uint64_t(0)) return sv;       // fully opaque: the source's colours
        __m256i lo, hi;
        spread_alpha(a8, lo, hi);
        return mix_pixels(dv, sv, lo, hi);
    });
}

void alpha_map_rate_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    const __m256i rate = _mm256_set1_epi16(static_cast<int16_t>(r));
    rows_of_eight(d, s, alpha, n, r, BlendOp::kAlphaMapRate, [rate](__m256i dv, __m256i sv, const uint8_t* a8) {
        __m256i lo, hi;
        spread_alpha(a8, lo, hi);
        return mix_pixels(dv, sv, div255(_mm256_mullo_epi16(lo, rate)), div255(_mm256_mullo_epi16(hi, rate)));
    });
}

}  // namespace

BlendRow avx2_row(BlendOp op) {
    switch (op) {
    case BlendOp::kRate: return rate_row;
    case BlendOp::kAlphaMap: return alpha_map_row;
    case BlendOp::kAlphaMapRate: return alpha_map_rate_row;
    default: return nullptr;
    }
}

}  // namespace host::graph
