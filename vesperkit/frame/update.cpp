// One frame: message-skip frame skipping, the draw plug-ins, drawing, the debug memory figures and
// the sleeps that keep the frame rate and spare the machine while the game is not in front.
#include "platform/clock.h"
#include "platform/process.h"
#include "platform/window.h"
#include "vesperkit/frame/tarn.h"

namespace {
constexpr int kVkControl = 0x11;
constexpr uint32_t kInactiveSleepMs = 50;
constexpr uint32_t kRateWindowMs = 3000;
constexpr int kTooFast = 90;  // frames per second
constexpr int kTooSlow = 60;
}  // namespace

void CTARN::RestartRateWindow() {
    frame_count_ = 0;
    frame_window_start_ = m_pITimer->Get();
}

bool CTARN::SkipThisFrame() {
    if (invalidate_frame_skip_while_message_skip_ || !frame_skip_while_message_skip_) return false;
    const bool message_skipping =
        read_message_skipping_ || (m_pIKeyState && m_pIKeyState->IsKeyDown(kVkControl));
    if (!message_skipping) return false;
    if (++frame_skip_counter_ < frame_skip_period_) return true;
    frame_skip_counter_ = 0;
    return false;
}

void CTARN::ReadMemoryFigures() {
    const auto memory = platform::process_memory();
    const int32_t mib = memory ? static_cast<int32_t>(memory->peak_working_set_bytes >> 20) : 0;
    current_memory_mib_ = mib;
    if (mib > peak_memory_mib_) peak_memory_mib_ = mib;
}

bool CTARN::Update() {
    ++frame_count_;
    if (SkipThisFrame()) {
        RestartRateWindow();
        m_pIEngine->frame_rate().Count();
        return true;
    }
    m_pIDrawPluginUpdater->Update();
    if (!m_pIEngine->DrawFrame()) return false;
    if (debug_mode_) ReadMemoryFigures();

    if (sleep_by_inactive_window_) {
        const WindowHandle active = platform::active_window();
        const uint32_t owner = active ? platform::window_process_id(active) : 0xFFFFFFFFu;
        if (owner != window_process_id_) platform::sleep(kInactiveSleepMs);
    }

    if (over_frame_rate_sleep_) {
        if (m_pITimer->Get() - frame_window_start_ < kRateWindowMs) {
            platform::sleep(adaptive_sleep_);
        } else {
            const int rate = static_cast<int>(int64_t(frame_count_) * 1000 / kRateWindowMs);
            if (rate > kTooFast)
                ++adaptive_sleep_;
            else if (rate < kTooSlow && adaptive_sleep_ > 0)
                --adaptive_sleep_;
            platform::sleep(adaptive_sleep_);
            RestartRateWindow();
        }
    }
    platform::sleep(1);
    return true;
}
