#pragma once
// The volume balancer: groups 0 master, 1 music, 2 default sound effects, 3 sub-master of groups 4
// and above. Registered listeners are kept (with a reference) until the host goes away, and told of
// every change.
#include <vector>

#include "host/ref_counted.h"
#include "interfaces/host.h"

namespace host {

class VolumeValancer : public HostOwned<IVolumeValancer> {
public:
    explicit VolumeValancer(int groups = 8);
    ~VolumeValancer() override;

    int GetNumofGroup() override { return static_cast<int>(groups_.size()); }
    int GetVolume(int group) override;
    bool GetMute(int group) override;
    bool GetThird(int group) override;
    void AddCallback(IChangeVolumeCallback* callback) override;

    void set_volume(int group, int volume);
    void set_mute(int group, bool mute);
    void set_third(int group, bool value);
    size_t listener_count() const { return listeners_.size(); }

private:
    struct Group {
        int volume = 100;
        bool mute = false;
        bool third = false;
    };
    bool valid(int group) const { return group >= 0 && group < static_cast<int>(groups_.size()); }
    std::vector<Group> groups_;
    std::vector<IChangeVolumeCallback*> listeners_;
};

}  // namespace host
