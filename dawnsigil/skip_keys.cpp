#include "dawnsigil/skip_keys.h"

namespace dawnsigil {

bool SkipKeys::test(IKeyboardDevice& keyboard) {
    for (size_t i = 0; i < kKeys.size(); ++i) {
        if (keyboard.IsKeyDown(kKeys[i])) {
            marks_[i] = true;
        } else if (marks_[i]) {
            marks_[i] = false;
            return true;
        }
    }
    return false;
}

}  // namespace dawnsigil
