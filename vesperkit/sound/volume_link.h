#pragma once
// The volume balancer keeps every listener it is given for as long as it lives and offers no way to
// unregister, while the engine's watchers and managers end with the root. So the balancer is given
// a link instead of the listener itself: the link forwards notifications until the root detaches it
// at teardown, and is freed only when its last holder (the balancer, which took a reference when it
// stored it) lets go.
#include "interfaces/host.h"
#include "vesperkit/frame/ref_counted.h"

namespace vesperkit::sound {

class VolumeLink : public RefCounted<IChangeVolumeCallback> {
public:
    explicit VolumeLink(IChangeVolumeCallback* target) : target_(target) {}
    void OnChangeVolume(int group, int volume) override {
        if (target_) target_->OnChangeVolume(group, volume);
    }
    void OnChangeMute(int group, bool mute) override {
        if (target_) target_->OnChangeMute(group, mute);
    }
    void OnChangeThird(int group, bool value) override {
        if (target_) target_->OnChangeThird(group, value);
    }
    void detach() { target_ = nullptr; }

private:
    IChangeVolumeCallback* target_;
};

// A listener that lives inside another object: the count is kept, but the owner ends it.
template <class Interface>
class Embedded : public Interface {
public:
    int AddRef() override { return ++ref_count_; }
    int Release() override { return --ref_count_; }

private:
    int ref_count_ = 1;
};

}  // namespace vesperkit::sound
