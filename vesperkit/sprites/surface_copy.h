#pragma once
// A private copy of a surface: same size, depth and kind (with an alpha map exactly when the
// original has one), made by the surface factory and filled by the drawing library.
#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"

namespace vesperkit::sprites {

// The copy carries one reference for the caller; null when a piece is missing or the factory
// cannot make the surface.
ISurface* copy_surface(ISurface* source, ISurfaceFactory* factory, IGraph3* graph);

// Does anyone besides the caller hold the surface? Read through AddRef/Release, the only count an
// interface shows.
bool is_shared(ISurface* surface);

}  // namespace vesperkit::sprites
