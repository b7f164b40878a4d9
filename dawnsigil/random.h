#pragma once
// The logo's own pseudo-random generator, the runtime library's classic one: state = state *
// 214013 + 2531011 (32 bits), each number bits 16 to 30 of the new state (0 to 32767). The state
// starts at 1 when the library is loaded; scenes reseed it, so their particles are the same on
// every run.
#include <cstdint>

namespace dawnsigil {

class Random {
public:
    void seed(uint32_t seed) { state_ = seed; }
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>(state_ >> 16 & 0x7FFF);
    }

private:
    uint32_t state_ = 1;
};

}  // namespace dawnsigil
