#pragma once
// The sound-effect system. Channel operations follow Init.
#include "interfaces/host.h"

class ISound2 : public IInterface {
public:
    virtual bool Init(IHostcore* host) = 0;
};
