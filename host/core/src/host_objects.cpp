#include "host/host_objects.h"

#include "platform/faults.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace host {

void CallbackHolder::SetCallback(IInterface* root) {
    ++calls_;
    root_ = root;
}

void CallbackHolder::release_root() {
    if (root_) root_->Release();
    root_ = nullptr;
}

MainWindow::MainWindow() : HostOwned("IMainWindow") {
    platform::register_window(this, platform::current_process_id());
    platform::set_active_window(this);
}

MainWindow::~MainWindow() { platform::unregister_window(this); }

bool InputDevice::GetCursorPos(int& x, int& y) {
    if (!over_game_) return false;
    x = x_;
    y = y_;
    return true;
}

uint32_t Timer::Get() { return platform::tick_count(); }

bool ResetFlag::IsResetOnce() {
    const bool was = requested_;
    requested_ = false;
    return was;
}

bool WinMsg::Pump() {
    ++pumps_;
    if (wait_ms_) platform::sleep(wait_ms_);
    return quit_after_ < 0 || pumps_ <= quit_after_;
}

bool AfterPresent::OnPresented() {
    ++calls_;
    return !platform::should_fail("host.IAfterPresent.OnPresented");
}

}  // namespace host
