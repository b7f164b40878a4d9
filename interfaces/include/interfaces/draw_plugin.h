#pragma once
// The draw-plug-in manager: a registry through which plug-ins offer objects to each other.
#include "interfaces/surface.h"

class IDrawPluginManager : public IInterface {
public:
    virtual void RegisterInterface(const GUID& iid, IInterface* object) = 0;
    virtual IInterface* GetInterface(const GUID& iid) = 0;  // borrowed, or null
};

class IDrawPluginUpdater : public IInterface {
public:
    virtual void Update() = 0;  // updates every draw plug-in; once per drawn frame
};

// Draws the content of custom sprites: the plug-in that serves the sprite number draws into the
// target at (x, y), inside the clip rectangle, at the sprite's blend rate.
class IDrawPluginDrawer : public IInterface {
public:
    virtual void Draw(int sprite, ISurface* target, int x, int y, int clip_x, int clip_y, int clip_width,
                      int clip_height, int blend_rate) = 0;
};
