#include "vesperkit/sprites/surface_copy.h"

namespace vesperkit::sprites {

ISurface* copy_surface(ISurface* source, ISurfaceFactory* factory, IGraph3* graph) {
    if (!source || !factory || !graph) return nullptr;
    const int width = source->GetWidth(), height = source->GetHeight(), bpp = source->GetBitsPerPixel();
    ISurface* copy = source->HasAlphaMap() ? factory->CreateWithAlpha(width, height, bpp)
                                           : factory->Create(width, height, bpp);
    if (!copy) return nullptr;
    graph->Copy(copy, 0, 0, source, 0, 0, width, height);
    return copy;
}

bool is_shared(ISurface* surface) {
    const int count = surface->AddRef();
    surface->Release();
    return count > 2;
}

}  // namespace vesperkit::sprites
