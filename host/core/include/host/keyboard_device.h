#pragma once
// The host's keyboard input device (IID_IKeyboardDevice). Keys go down and up as a test or the
// scene player says; ReferenceHost::provide offers it under its identifier.
#include <set>

#include "host/ref_counted.h"
#include "interfaces/keyboard_device.h"

namespace host {

class KeyboardDevice : public HostOwned<IKeyboardDevice> {
public:
    KeyboardDevice() : HostOwned("IKeyboardDevice") {}
    void Init() override;
    bool IsKeyDown(int vk) override {
        ++queries_;
        return down_.count(vk) != 0;
    }

    void set_down(int vk, bool down) { down ? (void)down_.insert(vk) : (void)down_.erase(vk); }
    int init_calls() const { return init_calls_; }
    int queries() const { return queries_; }

private:
    std::set<int> down_;
    int init_calls_ = 0;
    int queries_ = 0;
};

}  // namespace host
