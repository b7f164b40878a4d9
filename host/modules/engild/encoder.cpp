// Engild: the image encoder.
#include <new>

#include "platform/faults.h"
#include "host/memory_block.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/guids.h"
#include "interfaces/image_codec.h"
#include "png_encode.h"

namespace host {
namespace {

class Encoder : public RefCounted<IImageEncoder> {
public:
    Encoder() : RefCounted("IImageEncoder") {}
    // Format 0 is PNG, the only one there is. The file's bytes, or null.
    IMemory* Encode(ISurface* surface, int format) override {
        if (format != 0 || platform::should_fail("IImageEncoder.Encode")) return nullptr;
        std::vector<uint8_t> bytes;
        if (!codec::encode_png(surface, bytes)) return nullptr;
        return new (std::nothrow) MemoryBlock(std::move(bytes));
    }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Engild.CreateInterface")) return nullptr;
    if (*iid == IID_IImageEncoder) return new host::Encoder;
    return nullptr;
}
