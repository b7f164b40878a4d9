// Exports of the frame update, timing and the system switches.
#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"

namespace {
// Switches keep the lowest byte of what the script passed; getters give that byte back.
uint8_t low_byte(int value) { return static_cast<uint8_t>(value); }
}  // namespace

int Update() {
    return vesperkit::guard_export(0, [] { return g_pTARN->Update() ? 1 : 0; });
}

float FPS_Get() { return g_pTARN->m_pIEngine->frame_rate().fps(); }
int FPS_GetShow() { return g_pTARN->m_pIEngine->show_frame_rate(); }
void FPS_SetShow(int show) { g_pTARN->m_pIEngine->set_show_frame_rate(low_byte(show)); }

int Timer_Get() { return g_pTARN->m_pITimer ? static_cast<int>(g_pTARN->m_pITimer->Get()) : 0; }

int SYSTEM_IsResetOnce() { return g_pTARN->m_pIResetFlag && g_pTARN->m_pIResetFlag->IsResetOnce() ? 1 : 0; }

int SYSTEM_GetConfigSleepByInactiveWindow() { return g_pTARN->sleep_by_inactive_window_; }
void SYSTEM_SetConfigSleepByInactiveWindow(int on) { g_pTARN->sleep_by_inactive_window_ = low_byte(on); }

int SYSTEM_GetConfigOverFrameRateSleep() { return g_pTARN->over_frame_rate_sleep_; }
void SYSTEM_SetConfigOverFrameRateSleep(int on) {
    const bool was_on = g_pTARN->over_frame_rate_sleep_ != 0;
    g_pTARN->over_frame_rate_sleep_ = low_byte(on);
    // Turning the sleep on starts a fresh measuring window; it was not measured while off.
    if (!was_on && g_pTARN->over_frame_rate_sleep_) g_pTARN->RestartRateWindow();
}

int SYSTEM_GetReadMessageSkipping() { return g_pTARN->read_message_skipping_; }
void SYSTEM_SetReadMessageSkipping(int on) { g_pTARN->read_message_skipping_ = low_byte(on); }

int SYSTEM_GetConfigFrameSkipWhileMessageSkip() { return g_pTARN->frame_skip_while_message_skip_; }
void SYSTEM_SetConfigFrameSkipWhileMessageSkip(int on) { g_pTARN->frame_skip_while_message_skip_ = low_byte(on); }

int SYSTEM_GetInvalidateFrameSkipWhileMessageSkip() { return g_pTARN->invalidate_frame_skip_while_message_skip_; }
void SYSTEM_SetInvalidateFrameSkipWhileMessageSkip(int on) {
    g_pTARN->invalidate_frame_skip_while_message_skip_ = low_byte(on);
}

// Fill figure of the last composed frame: bytes written (four per pixel) in KiB.
int Debug_GetFillRate() {
    const CTarnEngine* engine = g_pTARN->m_pIEngine;
    if (engine->view_mode() != 0) return 0;
    const auto& fill = engine->fill_counters();
    return static_cast<int>((fill.opaque + fill.blended) * 4 / 1024);
}
