#include "vesperkit/sprites/sprite_manager.h"

void CSpriteManager::Init(ISurfaceFactory* factory, IGraph3* graph, int screen_width, int screen_height) {
    scene_.SetServices(factory, graph);
    snapshot_.SetServices(factory, graph);
    screen_width_ = screen_width;
    screen_height_ = screen_height;
}

void CSpriteManager::Clear() {
    for (CSpriteTable* table : {&scene_, &snapshot_}) {
        table->Clear();
        table->SetWallpaper(nullptr);
    }
}
