#pragma once
// Window ownership: which process owns a window, and which window is active.
#include <cstdint>

namespace platform {

using WindowHandle = void*;

uint32_t current_process_id();

// Records that a window belongs to a process (the host registers its game window).
void register_window(WindowHandle window, uint32_t process_id);
void unregister_window(WindowHandle window);

// GetWindowThreadProcessId: the owning process, or 0 for an unknown window.
uint32_t window_process_id(WindowHandle window);

// GetActiveWindow; the host says which window is active (null: none of this process).
WindowHandle active_window();
void set_active_window(WindowHandle window);

}  // namespace platform
