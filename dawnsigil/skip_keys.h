#pragma once
// Skipping the logo: a key or mouse button skips it when it is released after having been seen
// down, so a key still held from before the logo started skips nothing until it is let go.
#include <array>

#include "interfaces/keyboard_device.h"

namespace dawnsigil {

class SkipKeys {
public:
    // Left and right mouse button, space, return, control, escape, in the order they are tested.
    static constexpr std::array<int, 6> kKeys = {1, 2, 32, 13, 17, 27};

    void clear() { marks_.fill(false); }
    // One pass over the keys: true at the first key that is up after having been seen down (its
    // mark is cleared; the keys after it wait for the next pass).
    bool test(IKeyboardDevice& keyboard);

private:
    std::array<bool, kKeys.size()> marks_{};
};

}  // namespace dawnsigil
