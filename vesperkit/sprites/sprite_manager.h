#pragma once
// The sprite manager: the scene table, which every sprite operation acts on, and the snapshot
// table, which keeps a copy of the scene for the kept previous view.
#include "vesperkit/sprites/sprite_table.h"

class CSpriteManager {
public:
    void Init(ISurfaceFactory* factory, IGraph3* graph, int screen_width, int screen_height);

    CSpriteTable& scene() { return scene_; }
    const CSpriteTable& scene() const { return scene_; }
    CSpriteTable& snapshot() { return snapshot_; }
    const CSpriteTable& snapshot() const { return snapshot_; }

    // Copies the scene into the snapshot table (records share their images). False, with the
    // previous snapshot kept, when memory runs out.
    bool TakeSnapshot() { return snapshot_.AssignSnapshotOf(scene_); }

    int screen_width() const { return screen_width_; }
    int screen_height() const { return screen_height_; }

    // Empties both tables and lets go of their wallpapers.
    void Clear();

private:
    int screen_width_ = 0;
    int screen_height_ = 0;
    CSpriteTable scene_;
    CSpriteTable snapshot_;
};
