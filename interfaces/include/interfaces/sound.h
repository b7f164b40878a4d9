#pragma once
// The sound-effect system. Channel operations follow Init.
#include "interfaces/host.h"
#include "interfaces/sound_channel.h"

class ISound2 : public IInterface {
public:
    virtual bool Init(IHostcore* host) = 0;
    // The channel's object, created on first use; borrowed, owned by the service. Null when the
    // service does not serve that channel number.
    virtual IMusic* GetIMusic(int channel) = 0;
    virtual int GetUnuseChannel() = 0;  // a channel number with nothing prepared
};
