#include "platform/faults.h"

#include <mutex>
#include <set>

namespace platform {
namespace {
std::mutex mutex;
std::set<std::string>& failing() {
    static auto* s = new std::set<std::string>;
    return *s;
}
}  // namespace

void fail(const std::string& key) {
    std::lock_guard lock(mutex);
    failing().insert(key);
}
void heal(const std::string& key) {
    std::lock_guard lock(mutex);
    failing().erase(key);
}
void heal_all() {
    std::lock_guard lock(mutex);
    failing().clear();
}
bool should_fail(const std::string& key) {
    std::lock_guard lock(mutex);
    return failing().count(key) != 0;
}

}  // namespace platform
