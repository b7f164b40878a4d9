#pragma once
// The numbered sprites of one scene, in ascending sprite number, with the wallpaper drawn under
// them. The table owns one reference to each record and to the wallpaper.
#include <map>

#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/sprites/sprite.h"

struct WallpaperColor {
    int r = 0, g = 0, b = 0;
};

class CSpriteTable {
public:
    // Sprite number to record; iteration runs in ascending sprite number.
    using Records = std::map<int, CSprite*>;

    CSpriteTable() = default;
    ~CSpriteTable();
    CSpriteTable(const CSpriteTable&) = delete;
    CSpriteTable& operator=(const CSpriteTable&) = delete;

    // What each new record receives to make private copies of its image.
    void SetServices(ISurfaceFactory* factory, IGraph3* graph);

    CSprite* Find(int number) const;
    // The record, made with the initial values (shown, opaque, no image) when absent. Null only
    // when memory runs out.
    CSprite* FindOrCreate(int number);
    // Releases the record; false when there is none.
    bool Erase(int number);
    // Releases every record; the wallpaper stays.
    void Clear();

    const Records& records() const { return records_; }
    int Count() const { return static_cast<int>(records_.size()); }
    // The largest z of all records; 0 for an empty table.
    int MaxZ() const;
    // number when it is free; otherwise the first number after the unbroken run of used numbers
    // that starts there (wrapping past the largest int).
    int FirstUnusedFrom(int number) const;

    // Screen-sized, without alpha map; null: the wallpaper colour is drawn instead.
    ISurface* wallpaper() const { return wallpaper_; }
    // Takes over the caller's reference and releases the old wallpaper.
    void SetWallpaper(ISurface* surface);
    const WallpaperColor& wallpaper_color() const { return wallpaper_color_; }
    void SetWallpaperColor(int r, int g, int b) { wallpaper_color_ = {r, g, b}; }

    // Makes this table a snapshot of other: a copy of each record that shares its image (so a later
    // write to the scene's sprite copies first and leaves the snapshot as it was), the wallpaper
    // and its colour. False, with this table unchanged, when memory runs out.
    bool AssignSnapshotOf(const CSpriteTable& other);

private:
    ISurfaceFactory* factory_ = nullptr;
    IGraph3* graph_ = nullptr;
    Records records_;
    ISurface* wallpaper_ = nullptr;
    WallpaperColor wallpaper_color_;
};
