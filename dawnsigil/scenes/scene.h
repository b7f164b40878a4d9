#pragma once
// A logo scene: the pictures it needs, what it makes before the animation starts, and how it draws
// itself at t ms into its eleven seconds. The frame loop owns everything else (sound, fades,
// skipping, presenting).
#include <cstdint>
#include <memory>
#include <span>

#include "dawnsigil/picture_set.h"
#include "dawnsigil/random.h"
#include "dawnsigil/screen.h"
#include "interfaces/logo_graphics.h"
#include "interfaces/surface_factory.h"

namespace dawnsigil {

struct SceneSetup {
    Random& random;  // already seeded with 1
    const PictureSet& pictures;
    ISurfaceFactory& factory;
    ILogoGraph& graph;
};

struct SceneFrame {
    Screen& screen;
    const PictureSet& pictures;
    Random& random;
};

class Scene {
public:
    virtual ~Scene() = default;
    virtual std::span<const int> picture_numbers() const = 0;
    // Particles and any surfaces of the scene's own; false ends the scene before it starts.
    virtual bool prepare(SceneSetup&) { return true; }
    virtual void draw(uint32_t t, SceneFrame& frame) = 0;
    // Scene 2 reseeds the generator every frame instead of once at its start.
    virtual bool seeds_once() const { return true; }
};

// Scenes 1 to 8; null for any other number.
std::unique_ptr<Scene> make_scene(int number);

// The title (picture 45), which every scene shows.
inline constexpr int kTitle = 45;

}  // namespace dawnsigil
