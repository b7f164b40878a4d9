#pragma once
// The pictures of one scene, by number, loaded together and released together when the scene ends.
#include <map>
#include <span>

#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/archive/picture.h"
#include "interfaces/surface_factory.h"

namespace dawnsigil {

class PictureSet {
public:
    // Loads every number; false at the first one that fails.
    bool load(std::span<const int> numbers, archive::MrlArchive& archive, ISurfaceFactory& factory);
    // The picture's surface; null for a number that was not loaded.
    ISurface* operator[](int number) const;
    int width(int number) const;   // 0 when not loaded
    int height(int number) const;  // 0 when not loaded
    // How often a picture that was not loaded was asked for: a scene asking for a number it did
    // not list would silently draw nothing.
    int misses() const { return misses_; }

private:
    std::map<int, archive::Picture> pictures_;
    mutable int misses_ = 0;
};

}  // namespace dawnsigil
