#include "vesperkit/sprites/sprite_table.h"

#include <cstdint>

#include "vesperkit/frame/allocate.h"

CSpriteTable::~CSpriteTable() {
    Clear();
    SetWallpaper(nullptr);
}

void CSpriteTable::SetServices(ISurfaceFactory* factory, IGraph3* graph) {
    factory_ = factory;
    graph_ = graph;
}

CSprite* CSpriteTable::Find(int number) const {
    auto it = records_.find(number);
    return it == records_.end() ? nullptr : it->second;
}

CSprite* CSpriteTable::FindOrCreate(int number) {
    if (CSprite* found = Find(number)) return found;
    CSprite* record = vesperkit::allocate<CSprite>("CSprite", number, factory_, graph_);
    if (!record) return nullptr;
    try {
        records_.emplace(number, record);
    } catch (...) {
        record->Release();
        return nullptr;
    }
    return record;
}

bool CSpriteTable::Erase(int number) {
    auto it = records_.find(number);
    if (it == records_.end()) return false;
    CSprite* record = it->second;
    records_.erase(it);
    record->Release();
    return true;
}

void CSpriteTable::Clear() {
    Records records;
    records.swap(records_);
    for (auto& [number, record] : records) record->Release();
}

int CSpriteTable::MaxZ() const {
    if (records_.empty()) return 0;
    int z = records_.begin()->second->z();
    for (const auto& [number, record] : records_)
        if (record->z() > z) z = record->z();
    return z;
}

int CSpriteTable::FirstUnusedFrom(int number) const {
    // Unsigned steps wrap from the largest int to the smallest without overflow; the table cannot
    // hold every number, so the walk ends.
    auto candidate = static_cast<uint32_t>(number);
    while (records_.count(static_cast<int>(candidate))) ++candidate;
    return static_cast<int>(candidate);
}

void CSpriteTable::SetWallpaper(ISurface* surface) {
    if (wallpaper_) wallpaper_->Release();
    wallpaper_ = surface;
}

bool CSpriteTable::AssignSnapshotOf(const CSpriteTable& other) {
    if (&other == this) return true;
    Records copies;
    bool complete = true;
    for (const auto& [number, record] : other.records_) {
        CSprite* copy = record->Clone();
        if (!copy) {
            complete = false;
            break;
        }
        try {
            copies.emplace(number, copy);
        } catch (...) {
            copy->Release();
            complete = false;
            break;
        }
    }
    if (!complete) {
        for (auto& [number, copy] : copies) copy->Release();
        return false;
    }
    Clear();
    records_.swap(copies);
    if (other.wallpaper_) other.wallpaper_->AddRef();
    SetWallpaper(other.wallpaper_);
    wallpaper_color_ = other.wallpaper_color_;
    factory_ = other.factory_;
    graph_ = other.graph_;
    return true;
}
