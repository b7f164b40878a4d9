#include "platform/clock.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

uint32_t SystemClock::tick_ms() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SystemClock::sleep_ms(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

LocalTime SystemClock::local_time() {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_wday, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                     static_cast<int>(ms)};
}

void SteppedClock::sleep_ms(uint32_t ms) {
    now_ += ms;
    slept_ += ms;
    ++sleep_calls_;
}

namespace {
std::atomic<Clock*> installed{nullptr};
}

Clock& clock() {
    static SystemClock* system = new SystemClock;
    Clock* c = installed.load();
    return c ? *c : *system;
}

void set_clock(Clock* c) { installed.store(c); }

}  // namespace platform
