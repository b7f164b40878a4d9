#pragma once
// A stepped clock for loops that poll the time without ever sleeping, such as the logo's frame
// loop: every read answers the current time and then moves it on by one step, so each frame sees
// a later time and a whole animation runs through virtual time at once.
//
// Actions scheduled with at() run at the first read whose time has reached theirs, before that
// read answers: a key released, a volume group muted, a frame captured.
#include <cstdint>
#include <functional>
#include <map>

#include "platform/clock.h"

namespace host {

class FrameClock : public platform::SteppedClock {
public:
    explicit FrameClock(uint32_t step_ms, uint32_t start_ms = 0) : SteppedClock(start_ms), step_(step_ms) {}

    uint32_t tick_ms() override;
    // The time the next read will answer, without reading.
    uint32_t peek() { return SteppedClock::tick_ms(); }
    void set_step(uint32_t step_ms) { step_ = step_ms; }
    void at(uint32_t ms, std::function<void()> action);
    uint32_t reads() const { return reads_; }

private:
    uint32_t step_;
    uint32_t reads_ = 0;
    std::multimap<uint32_t, std::function<void()>> actions_;
};

}  // namespace host
