// Ungild: the image decoder. PNG, JPEG and BMP, told apart by their signatures.
#include "image_decoders.h"

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
    ISurface* Decode(const void* data, int size) override {
        if (!data || size <= 0 || platform::should_fail("IUngild.Decode")) return nullptr;
        const auto* bytes = static_cast<const uint8_t*>(data);
        const auto length = static_cast<size_t>(size);
        if (codec::is_png(bytes, length)) return codec::decode_png(bytes, length);
        if (codec::is_jpeg(bytes, length)) return codec::decode_jpeg(bytes, length);
        if (codec::is_bmp(bytes, length)) return codec::decode_bmp(bytes, length);
        return nullptr;
    }
};

}  // namespace

namespace codec {

void copy_fourth_bytes_to_alpha(ISurface* surface) {
    if (!surface->HasAlphaMap()) return;
    const int width = surface->GetWidth();
    for (int y = 0; y < surface->GetHeight(); ++y) {
        const uint8_t* pixel = surface->GetPixelAddress(0, y);
        uint8_t* alpha = surface->GetAlphaAddress(0, y);
        for (int x = 0; x < width; ++x) alpha[x] = pixel[x * 4 + 3];
    }
}

}  // namespace codec
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Ungild.CreateInterface")) return nullptr;
    if (*iid == IID_IUngild) return new host::Decoder;
    return nullptr;
}
