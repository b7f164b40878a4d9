// Chimewell2: the sound-effect system.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/sound.h"

namespace host {
namespace {

class Sound : public RefCounted<ISound2> {
public:
    Sound() : RefCounted("ISound2") {}
    bool Init(IHostcore* host) override { return host && !platform::should_fail("ISound2.Init"); }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Chimewell2.CreateInterface")) return nullptr;
    if (*iid == IID_ISound2) return new host::Sound;
    return nullptr;
}
