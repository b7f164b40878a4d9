#pragma once
// The frame-rate figure: frames counted over windows of at least one second.
#include <cstdint>

#include "interfaces/host.h"
#include "platform/clock.h"

class FrameRateCounter {
public:
    // The host timer is borrowed; without one the system tick count is used.
    void Reset(ITimer* timer) {
        timer_ = timer;
        frames_ = 0;
        fps_ = 0;
        last_ = now();
    }
    // Once per frame, drawn or skipped.
    void Count() {
        ++frames_;
        const uint32_t t = now();
        const uint32_t elapsed = t - last_;  // unsigned: right across the clock's wrap
        if (elapsed < 1000) return;
        fps_ = static_cast<float>(frames_) * 1000.0f / static_cast<float>(elapsed);
        frames_ = 0;
        last_ = t;
    }
    float fps() const { return fps_; }

private:
    uint32_t now() const { return timer_ ? timer_->Get() : platform::tick_count(); }
    ITimer* timer_ = nullptr;
    int32_t frames_ = 0;
    uint32_t last_ = 0;
    float fps_ = 0;
};
