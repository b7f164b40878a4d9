#include "platform/window.h"

#include <unistd.h>

#include <map>
#include <mutex>

namespace platform {
namespace {
struct Windows {
    std::mutex mutex;
    std::map<WindowHandle, uint32_t> owners;
    WindowHandle active = nullptr;
};
Windows& windows() {
    static Windows* w = new Windows;
    return *w;
}
}  // namespace

uint32_t current_process_id() { return static_cast<uint32_t>(getpid()); }

void register_window(WindowHandle window, uint32_t process_id) {
    auto& w = windows();
    std::lock_guard lock(w.mutex);
    w.owners[window] = process_id;
}

void unregister_window(WindowHandle window) {
    auto& w = windows();
    std::lock_guard lock(w.mutex);
    w.owners.erase(window);
    if (w.active == window) w.active = nullptr;
}

uint32_t window_process_id(WindowHandle window) {
    auto& w = windows();
    std::lock_guard lock(w.mutex);
    auto it = w.owners.find(window);
    return it == w.owners.end() ? 0 : it->second;
}

WindowHandle active_window() {
    auto& w = windows();
    std::lock_guard lock(w.mutex);
    return w.active;
}

void set_active_window(WindowHandle window) {
    auto& w = windows();
    std::lock_guard lock(w.mutex);
    w.active = window;
}

}  // namespace platform
