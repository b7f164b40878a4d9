#pragma once
// A watcher of one volume group (the master group 0 or the sub-master group 3): it keeps the group's
// volume and mute flag for the sound manager's volume formula, and the master watcher passes every
// change on to the music service.
#include "interfaces/host.h"
#include "vesperkit/sound/volume_link.h"

class CTarnSound;
class CTarnMusic;

class CSoundVolume : public vesperkit::sound::Embedded<IChangeVolumeCallback> {
public:
    void OnChangeVolume(int group, int volume) override;
    void OnChangeMute(int group, bool mute) override;
    void OnChangeThird(int, bool) override {}

    int group_ = -1;
    int volume_ = 100;  // percent
    bool mute_ = false;
    CTarnSound* owner_ = nullptr;        // re-applies channel volumes after a change of the group
    CTarnMusic* music_ = nullptr;        // told of every change once music has started
};
