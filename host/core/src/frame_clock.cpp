#include "host/frame_clock.h"

namespace host {

uint32_t FrameClock::tick_ms() {
    const uint32_t now = SteppedClock::tick_ms();
    ++reads_;
    // Actions may schedule further ones; take each due action out before running it.
    for (auto due = actions_.begin(); due != actions_.end() && due->first <= now; due = actions_.begin()) {
        auto action = std::move(due->second);
        actions_.erase(due);
        action();
    }
    advance(step_);
    return now;
}

void FrameClock::at(uint32_t ms, std::function<void()> action) { actions_.emplace(ms, std::move(action)); }

}  // namespace host
