#include "blend.h"

#include <algorithm>

namespace host::graph {
namespace {

inline uint8_t mix(int s, int d, int a) { return static_cast<uint8_t>(div255(s * a + d * (255 - a))); }
inline int scale(int v, int a) { return div255(v * a); }
inline uint8_t add(int d, int s) { return static_cast<uint8_t>(std::min(255, d + s)); }

// Applies f(d, s, a) to blue, green and red of every pixel; the fourth byte stays.
template <class F>
void each_channel(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, F f) {
    for (int i = 0; i < n; ++i, d += 4, s += 4) {
        const int a = alpha ? alpha[i] : 255;
        for (int c = 0; c < 3; ++c) d[c] = f(d[c], s[c], a);
    }
}

void rate_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    each_channel(d, s, nullptr, n, [r](int dv, int sv, int) { return mix(sv, dv, r); });
}
void alpha_map_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int) {
    each_channel(d, s, alpha, n, [](int dv, int sv, int a) { return mix(sv, dv, a); });
}
void alpha_map_rate_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    each_channel(d, s, alpha, n, [r](int dv, int sv, int a) { return mix(sv, dv, scale(a, r)); });
}
void add_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int) {
    each_channel(d, s, nullptr, n, [](int dv, int sv, int) { return add(dv, sv); });
}
void sub_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int) {
    each_channel(d, s, nullptr, n, [](int dv, int sv, int) { return static_cast<uint8_t>(std::max(0, dv - sv)); });
}
void mul_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int) {
    each_channel(d, s, nullptr, n, [](int dv, int sv, int) { return static_cast<uint8_t>(scale(dv, sv)); });
}
void add_rate_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    each_channel(d, s, nullptr, n, [r](int dv, int sv, int) { return add(dv, scale(sv, r)); });
}
void mul_rate_row(uint8_t* d, const uint8_t* s, const uint8_t*, int n, int r) {
    each_channel(d, s, nullptr, n, [r](int dv, int sv, int) { return mix(scale(dv, sv), dv, r); });
}
void alpha_map_add_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int) {
    each_channel(d, s, alpha, n, [](int dv, int sv, int a) { return add(dv, scale(sv, a)); });
}
void alpha_map_add_rate_row(uint8_t* d, const uint8_t* s, const uint8_t* alpha, int n, int r) {
    each_channel(d, s, alpha, n, [r](int dv, int sv, int a) { return add(dv, scale(sv, scale(a, r))); });
}

}  // namespace

BlendRow reference_row(BlendOp op) {
    static constexpr BlendRow rows[kBlendOpCount] = {rate_row,    alpha_map_row,     alpha_map_rate_row,
                                                     add_row,     sub_row,           mul_row,
                                                     add_rate_row, mul_rate_row,     alpha_map_add_row,
                                                     alpha_map_add_rate_row};
    return rows[static_cast<int>(op)];
}

}  // namespace host::graph
