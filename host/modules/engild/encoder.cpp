// Engild: the image encoder.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/image_codec.h"

namespace host {
namespace {

class Encoder : public RefCounted<IImageEncoder> {
public:
    Encoder() : RefCounted("IImageEncoder") {}
    // No output format is known to this encoder yet.
    IMemory* Encode(ISurface*, int) override { return nullptr; }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Engild.CreateInterface")) return nullptr;
    if (*iid == IID_IImageEncoder) return new host::Encoder;
    return nullptr;
}
