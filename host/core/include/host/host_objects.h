#pragma once
// The host's own interfaces, driven by tests: input, keys, timer, wheel, reset, debug mode, window
// messages, the presentation hook, the music host, message box and shutdown.
#include <set>

#include "host/ref_counted.h"
#include "interfaces/host.h"

namespace host {

class CallbackHolder : public HostOwned<ISetCallback> {
public:
    CallbackHolder() : HostOwned("ISetCallback") {}
    void SetCallback(IInterface* root) override;
    IInterface* root() const { return root_; }
    int calls() const { return calls_; }
    // Shutdown: the host lets go of the root it was given.
    void release_root();

private:
    IInterface* root_ = nullptr;
    int calls_ = 0;
};

class MainWindow : public HostOwned<IMainWindow> {
public:
    MainWindow();
    ~MainWindow() override;
    WindowHandle GetHandle() override { return this; }
};

class InputDevice : public HostOwned<IInputDevice2> {
public:
    InputDevice() : HostOwned("IInputDevice2") {}
    void ClearAllFlags() override { flags_.clear(); }
    bool IsKeyDown(int vk) override { return flags_.count(vk) != 0; }
    bool GetCursorPos(int& x, int& y) override;
    void ClearFlag(int vk) override { flags_.erase(vk); }

    // A key press sets the key's flag, which stays until cleared; the raw state lives in KeyState.
    void press(int vk) { flags_.insert(vk); }
    void set_cursor(int x, int y) { x_ = x, y_ = y, over_game_ = true; }
    void set_cursor_off() { over_game_ = false; }

private:
    std::set<int> flags_;
    int x_ = 0, y_ = 0;
    bool over_game_ = false;
};

class KeyState : public HostOwned<IKeyState> {
public:
    KeyState() : HostOwned("IKeyState") {}
    bool IsKeyDown(int vk) override { return down_.count(vk) != 0; }
    void set_down(int vk, bool down) { down ? (void)down_.insert(vk) : (void)down_.erase(vk); }

private:
    std::set<int> down_;
};

// The host timer runs on the platform clock, so a stepped clock drives it in tests.
class Timer : public HostOwned<ITimer> {
public:
    Timer() : HostOwned("ITimer") {}
    uint32_t Get() override;
};

class MouseWheel : public HostOwned<IMouseWheel> {
public:
    MouseWheel() : HostOwned("IMouseWheel") {}
    void Clear() override { forward_ = backward_ = 0; }
    int GetForward() override { return forward_; }
    int GetBackward() override { return backward_; }
    void roll(int forward, int backward) { forward_ += forward, backward_ += backward; }

private:
    int forward_ = 0, backward_ = 0;
};

class ResetFlag : public HostOwned<IResetFlag> {
public:
    ResetFlag() : HostOwned("IResetFlag") {}
    bool IsResetOnce() override;
    void request() { requested_ = true; }

private:
    bool requested_ = false;
};

class DebugMode : public HostOwned<IDebugMode> {
public:
    DebugMode() : HostOwned("IDebugMode") {}
    bool IsDebugMode() override { return on_; }
    void set(bool on) { on_ = on; }

private:
    bool on_ = false;
};

class WinMsg : public HostOwned<IWinMsg> {
public:
    WinMsg() : HostOwned("IWinMsg") {}
    bool Pump() override;
    int pumps() const { return pumps_; }
    void quit_after(int pumps) { quit_after_ = pumps; }  // negative: never
    // Each pump waits this long on the platform clock, as a real message loop waits for the next
    // message or display refresh; on a stepped clock that is what moves time for a plug-in that
    // keeps the thread and draws as fast as it can.
    void wait_per_pump(uint32_t ms) { wait_ms_ = ms; }

private:
    int pumps_ = 0;
    int quit_after_ = -1;
    uint32_t wait_ms_ = 0;
};

class AfterPresent : public HostOwned<IAfterPresent> {
public:
    AfterPresent() : HostOwned("IAfterPresent") {}
    bool OnPresented() override;
    int calls() const { return calls_; }

private:
    int calls_ = 0;
};

class MsgBox : public HostOwned<IMsgBox> {
public:
    MsgBox() : HostOwned("IMsgBox") {}
};
class Shutdown : public HostOwned<IShutdown> {
public:
    Shutdown() : HostOwned("IShutdown") {}
};
class MusicHost : public HostOwned<IMusicHost> {
public:
    MusicHost() : HostOwned("IMusicHost") {}
};

}  // namespace host
