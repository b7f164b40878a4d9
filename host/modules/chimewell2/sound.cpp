// Chimewell2: the sound-effect system.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/sound.h"
#include "sound_channel.h"

namespace host {
namespace {

class Sound : public RefCounted<ISound2> {
public:
    Sound() : RefCounted("ISound2") {}
    bool Init(IHostcore* host) override { return host && !platform::should_fail("ISound2.Init"); }
    IMusic* GetIMusic(int channel) override {
        return platform::should_fail("ISound2.GetIMusic") ? nullptr : channels_.get(channel);
    }
    int GetUnuseChannel() override { return channels_.unused(); }

private:
    SoundChannels channels_;
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Chimewell2.CreateInterface")) return nullptr;
    if (*iid == IID_ISound2) return new host::Sound;
    return nullptr;
}
