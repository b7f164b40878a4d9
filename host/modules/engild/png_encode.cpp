#include "png_encode.h"

#include <new>

#include "host/png_codec.h"

namespace host::codec {

// The surface's pixels as an image for the host's PNG writer; the fourth byte becomes the alpha
// channel when the surface has an alpha map.
bool encode_png(ISurface* surface, std::vector<uint8_t>& out) {
    out.clear();
    if (!surface || !surface->HasPixel() || surface->GetWidth() <= 0 || surface->GetHeight() <= 0) return false;
    const int bpp = surface->GetBitsPerPixel();
    if (bpp != 32 && bpp != 24) return false;
    const bool alpha = bpp == 32 && surface->HasAlphaMap();
    Image image;
    try {
        image.width = surface->GetWidth();
        image.height = surface->GetHeight();
        image.bgra.resize(size_t(image.width) * image.height * 4);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int step = bpp / 8;
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* from = surface->GetPixelAddress(0, y);
        uint8_t* to = image.bgra.data() + size_t(y) * image.width * 4;
        if (!from) return false;
        for (int x = 0; x < image.width; ++x, from += step, to += 4) {
            to[0] = from[0], to[1] = from[1], to[2] = from[2];
            to[3] = step == 4 ? from[3] : 255;
        }
    }
    out = encode_png(image, alpha);
    return !out.empty();
}

}  // namespace host::codec
