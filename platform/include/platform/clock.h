#pragma once
// Time: a millisecond tick, sleep and local time, through a replaceable clock. Tests install a
// stepped clock, on which sleeping advances time instead of waiting.
#include <cstdint>

namespace platform {

// SYSTEMTIME's fields.
struct LocalTime {
    int year = 0;
    int month = 0;        // 1-12
    int day_of_week = 0;  // 0 = Sunday
    int day = 0;          // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t tick_ms() = 0;  // GetTickCount: wraps after 49.7 days
    virtual void sleep_ms(uint32_t ms) = 0;
    virtual LocalTime local_time() = 0;
};

// The real clock: monotonic ticks, a real sleep and the time zone of the process.
class SystemClock : public Clock {
public:
    uint32_t tick_ms() override;
    void sleep_ms(uint32_t ms) override;
    LocalTime local_time() override;
};

// A clock that moves only when told to; sleeping advances it by the slept time.
class SteppedClock : public Clock {
public:
    explicit SteppedClock(uint32_t start_ms = 0) : now_(start_ms) {}
    uint32_t tick_ms() override { return now_; }
    void sleep_ms(uint32_t ms) override;
    LocalTime local_time() override { return local_; }

    void advance(uint32_t ms) { now_ += ms; }
    void set_local_time(const LocalTime& t) { local_ = t; }
    uint64_t total_slept_ms() const { return slept_; }
    uint32_t sleep_calls() const { return sleep_calls_; }

private:
    uint32_t now_;
    uint64_t slept_ = 0;
    uint32_t sleep_calls_ = 0;
    LocalTime local_{2000, 1, 6, 1, 0, 0, 0, 0};
};

// The clock in force (the system clock unless one was set). set_clock(nullptr) restores it.
Clock& clock();
void set_clock(Clock* clock);

inline uint32_t tick_count() { return clock().tick_ms(); }
inline void sleep(uint32_t ms) { clock().sleep_ms(ms); }
inline LocalTime local_time() { return clock().local_time(); }

}  // namespace platform
