#pragma once
// The engine's own software surfaces and byte blocks, for the rest of the engine.
#include "vesperkit/render/dib_surface.h"
#include "vesperkit/render/memory.h"
#include "vesperkit/render/surface_8bpp.h"
