#pragma once
// Plays one scene: loads its pictures and sound, then draws, fades, presents and pumps window
// messages frame after frame until the scene ends, a key skips it or the host asks to quit.
#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/random.h"
#include "dawnsigil/skip_keys.h"
#include "interfaces/host.h"
#include "interfaces/keyboard_device.h"
#include "interfaces/logo_graphics.h"
#include "interfaces/sound.h"
#include "interfaces/surface_factory.h"

namespace dawnsigil {

// What a scene plays on; everything is borrowed and must be present.
struct Stage {
    IWinMsg& win_msg;
    ITimer& timer;
    IMainSurface& main_surface;
    IKeyboardDevice& keyboard;
    IVolumeValancer& volume;
    ISurfaceFactory& factory;
    ILogoGraph& graph;
    IMusic& channel;
    IMusicFade* fade;  // the volume cannot be set without it
    archive::MrlArchive& pictures;
    SkipKeys& keys;
    Random& random;
};

// Scene 1 to 8. With `repeat` the scene starts over after eleven seconds until a key skips it.
// Every surface the scene made is released when this returns, whichever way it ends.
void play_scene(int number, bool repeat, Stage& stage);

}  // namespace dawnsigil
