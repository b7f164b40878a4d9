// Ungild: the image decoder.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/image_codec.h"

namespace host {
namespace {

class Decoder : public RefCounted<IUngild> {
public:
    Decoder() : RefCounted("IUngild") {}
    // No image format is known to this decoder yet: every input is "not an image".
    ISurface* Decode(const void*, int) override { return nullptr; }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Ungild.CreateInterface")) return nullptr;
    if (*iid == IID_IUngild) return new host::Decoder;
    return nullptr;
}
