#pragma once
// The sound-effect wrapper over the sound system: channels, their volume groups, and the group
// volumes the balancer reports.
#include <map>

#include "interfaces/link_file.h"
#include "interfaces/sound.h"
#include "interfaces/table_loader.h"
#include "vesperkit/frame/error_message.h"
#include "vesperkit/sound/volume_link.h"

class CSoundVolume;

class CTarnSound final : public vesperkit::sound::Embedded<IChangeVolumeCallback> {
public:
    explicit CTarnSound(int default_group) : default_group_(default_group) {}
    ~CTarnSound();

    // Takes a reference on the reporter, the sound system and the wave archive. Always true.
    bool Init(CErrorMessage* errors, ISound2* sound, IVLTFile* wave, IXXILoader2* loader);
    void SetVolumeWatchers(CSoundVolume* master, CSoundVolume* sub_master) {
        master_ = master;
        sub_master_ = sub_master;
    }

    void OnChangeVolume(int group, int volume) override;
    void OnChangeMute(int group, bool mute) override;
    void OnChangeThird(int, bool) override {}

    // Re-applies the effective volume of every channel after a group changed.
    void ApplyAllChannelVolumes();

    struct GroupState {
        int volume = 100;
        bool mute = false;
    };
    const std::map<int, GroupState>& groups() const { return groups_; }
    // The group of a channel whose data number has no group of its own.
    int default_group() const { return default_group_; }

    CErrorMessage* m_pIErrorMessage = nullptr;
    ISound2* m_pISound2 = nullptr;
    IVLTFile* m_pIVLTFileWAVE = nullptr;

private:
    int default_group_;
    CSoundVolume* master_ = nullptr;
    CSoundVolume* sub_master_ = nullptr;
    std::map<int, GroupState> groups_;
};
