// Facetry: the surface factory.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/surface.h"
#include "interfaces/guids.h"
#include "interfaces/logo_graphics.h"
#include "interfaces/surface_factory.h"

namespace host {
namespace {

class SurfaceFactory : public RefCounted<ISurfaceFactory> {
public:
    SurfaceFactory() : RefCounted("ISurfaceFactory") {}
    ISurface* CreateWithAlpha(int width, int height, int bpp) override { return make(width, height, bpp, true); }
    ISurface* Create(int width, int height, int bpp) override { return make(width, height, bpp, false); }
    ISurface* Create8(int width, int height) override { return make(width, height, 8, false); }

private:
    static ISurface* make(int width, int height, int bpp, bool alpha) {
        if (platform::should_fail("ISurfaceFactory.Create")) return nullptr;
        return Surface::create(width, height, bpp, alpha);
    }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Facetry.CreateInterface")) return nullptr;
    // The logo player asks for the same factory under an older identifier.
    if (*iid == IID_ISurfaceFactory || *iid == IID_ILogoSurfaceFactory) return new host::SurfaceFactory;
    return nullptr;
}
