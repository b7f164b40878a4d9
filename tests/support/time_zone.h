#pragma once
// A time zone for the length of a test: TZ is set and re-read, and the previous zone comes back
// at the end. POSIX zone strings ("JST-9", "UTC0") need no zone database.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace test_support {

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (previous_) setenv("TZ", previous_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace test_support
