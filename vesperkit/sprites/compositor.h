#pragma once
// The software composition: the visible sprites of a table drawn onto a target surface in z, y, x
// order over the wallpaper colour, each with the primitive its alpha map, blend rate and draw
// method choose, clipped to the target.
#include <cstdint>

#include "interfaces/draw_plugin.h"
#include "interfaces/graph.h"
#include "vesperkit/sprites/sprite_table.h"

namespace vesperkit::sprites {

// Pixels written by the last composition, by kind: the fill-rate figure.
struct FillCounters {
    int64_t opaque = 0;
    int64_t blended = 0;
};

struct CompositionContext {
    IGraph3* graph = nullptr;
    IDrawPluginDrawer* drawer = nullptr;
    ISurface* target = nullptr;
    int view_x = 0;  // the sprite manager's view offset
    int view_y = 0;
};

// Composes every visible sprite of the table onto the target; the counters of this composition.
FillCounters compose(const CSpriteTable& table, const CompositionContext& context);

}  // namespace vesperkit::sprites
