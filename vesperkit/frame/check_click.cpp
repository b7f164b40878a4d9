#include "vesperkit/frame/check_click.h"

#include <initializer_list>

namespace {
constexpr int kVkLeftButton = 0x01;
constexpr int kVkReturn = 0x0D;
constexpr int kVkControl = 0x11;
}  // namespace

bool CCheckClick::IsClicked() {
    if (!enabled_ || !m_pIInputDevice2) return false;
    for (int vk : {kVkReturn, kVkControl, kVkLeftButton})
        if (m_pIInputDevice2->IsKeyDown(vk)) return true;
    return false;
}
