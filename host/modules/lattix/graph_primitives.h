#pragma once
// The rectangle copy and the two fills of IGraph3, on any surfaces of the shared layout.
#include "interfaces/surface.h"

namespace host::graph {

void copy(ISurface* destination, int destination_x, int destination_y, ISurface* source, int source_x, int source_y,
          int width, int height);
void fill_rect(ISurface* destination, int x, int y, int width, int height, int r, int g, int b);
void fill_alpha(ISurface* destination, int x, int y, int width, int height, int value);

}  // namespace host::graph
