// Input exports: thin wrappers over the host's input device, raw key state, wheel and main surface.
#include "platform/debug_output.h"
#include "vesperkit/exports.h"
#include "vesperkit/frame/tarn.h"

namespace {
constexpr int kVkLeftButton = 0x01;
constexpr int kVkRightButton = 0x02;
constexpr int kVkMiddleButton = 0x04;
constexpr int kVkControl = 0x11;
}  // namespace

int Key_IsDown(int vk) { return g_pTARN->m_pIInputDevice2->IsKeyDown(vk) ? 1 : 0; }

int Key_ClearFlag() {
    g_pTARN->m_pIInputDevice2->ClearAllFlags();
    return 1;
}

void Key_ClearFlagOne(int vk) {
    if (!g_pTARN) {
        platform::output_debug_string("〓ERROR〓 g_pTARN=NULL ＠ Key_ClearFlagOne\n");
        return;
    }
    if (!g_pTARN->m_pIInputDevice2) {
        platform::output_debug_string("〓ERROR〓 m_pIInputDevice2=NULL ＠ CTARN::Key_ClearFlagOne\n");
        return;
    }
    g_pTARN->m_pIInputDevice2->ClearFlag(vk);
}

void Key_ClearFlagNoCtrl() {
    if (!g_pTARN) {
        platform::output_debug_string("〓ERROR〓 g_pTARN=NULL ＠ Key_ClearFlagNoCtrl\n");
        return;
    }
    if (!g_pTARN->m_pIInputDevice2) {
        platform::output_debug_string("〓ERROR〓 m_pIInputDevice2=NULL ＠ CTARN::Key_ClearFlagNoCtrl\n");
        return;
    }
    for (int vk = 0; vk <= 255; ++vk)
        if (vk != kVkControl) g_pTARN->m_pIInputDevice2->ClearFlag(vk);
}

// A mouse button counts only while the cursor is over the game: a click elsewhere is not the
// game's.
int KEY_GetState(int vk) {
    IKeyState* keys = g_pTARN->m_pIKeyState;
    if (!keys || !keys->IsKeyDown(vk)) return 0;
    if (vk == kVkLeftButton || vk == kVkRightButton || vk == kVkMiddleButton) {
        int x = 0, y = 0;
        return g_pTARN->m_pIInputDevice2->GetCursorPos(x, y) ? 1 : 0;
    }
    return 1;
}

int Mouse_GetPos(int* x, int* y) {
    int cx = 0, cy = 0;
    const bool over_game = g_pTARN->m_pIInputDevice2->GetCursorPos(cx, cy);
    if (x) *x = cx;
    if (y) *y = cy;
    return over_game ? 1 : 0;
}

void Mouse_GetWheel(int* first, int* second) {
    IMouseWheel* wheel = g_pTARN->m_pIMouseWheel;
    if (first) *first = wheel->GetForward();
    if (second) *second = wheel->GetBackward();
}

void Mouse_ClearWheel() { g_pTARN->m_pIMouseWheel->Clear(); }

int GetScreenWidth() { return g_pTARN->m_pIMainSurface->GetWidth(); }

int GetScreenHeight() { return g_pTARN->m_pIMainSurface->GetHeight(); }
