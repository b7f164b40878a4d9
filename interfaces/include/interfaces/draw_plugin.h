#pragma once
// The draw-plug-in manager: a registry through which plug-ins offer objects to each other.
#include "interfaces/iinterface.h"

class IDrawPluginManager : public IInterface {
public:
    virtual void RegisterInterface(const GUID& iid, IInterface* object) = 0;
    virtual IInterface* GetInterface(const GUID& iid) = 0;  // borrowed, or null
};

class IDrawPluginUpdater : public IInterface {
public:
    virtual void Update() = 0;  // updates every draw plug-in; once per drawn frame
};

// Draws the content of custom sprites.
class IDrawPluginDrawer : public IInterface {};
