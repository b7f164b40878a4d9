#pragma once
// The music system.
#include "interfaces/host.h"

class IMusic;

class IMusicSystem2 : public IInterface {
public:
    virtual bool Init(IMusicHost* host, ITimer* timer) = 0;
    virtual IMusic* GetIMusic(int channel) = 0;
    virtual bool IsExist(int number) = 0;
    virtual void Reserved5() {}
    virtual void Reserved6() {}
    virtual void Reserved7() {}
    virtual void Reserved8() {}
    virtual void SetVolumeValancer(IVolumeValancer* balancer) = 0;
    virtual void OnVolumesChanged() = 0;
    virtual void OnMutesChanged() = 0;
};
