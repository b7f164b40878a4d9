#pragma once
// Allocation of the engine's own objects. A failed allocation gives null rather than an exception,
// so that callers report it as the engine always has. Each allocation is also a fault point
// ("Vesperkit.new.<class>") through which tests reach those reports.
#include <new>
#include <string>
#include <utility>

#include "platform/faults.h"

namespace vesperkit {

template <class T, class... Args>
T* allocate(const char* class_name, Args&&... args) {
    if (platform::should_fail(std::string("Vesperkit.new.") + class_name)) return nullptr;
    return new (std::nothrow) T(std::forward<Args>(args)...);
}

}  // namespace vesperkit
