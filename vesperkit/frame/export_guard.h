#pragma once
// No exception may cross an export: the host calls in from C. An export runs its body through
// this guard, which turns anything thrown (an allocation failure above all) into the export's
// failure value.
#include <utility>

namespace vesperkit {

template <class Result, class Body>
Result guard_export(Result failure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

template <class Body>
void guard_export(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

}  // namespace vesperkit
