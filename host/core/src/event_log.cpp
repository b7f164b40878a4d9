#include "host/event_log.h"

#include <mutex>

namespace host {
namespace {
std::mutex mutex;
std::vector<std::string>& log() {
    static auto* l = new std::vector<std::string>;
    return *l;
}
}  // namespace

void record(const std::string& event) {
    std::lock_guard lock(mutex);
    log().push_back(event);
}
std::vector<std::string> events() {
    std::lock_guard lock(mutex);
    return log();
}
void clear_events() {
    std::lock_guard lock(mutex);
    log().clear();
}

}  // namespace host
