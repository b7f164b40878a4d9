#pragma once
// The logo player's state, one per library: the host's interfaces (borrowed), the services it
// binds (owned until Run ends), the picture archive, the skip keys and the generator.
#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/random.h"
#include "dawnsigil/skip_keys.h"
#include "interfaces/host.h"
#include "interfaces/keyboard_device.h"
#include "interfaces/logo_graphics.h"
#include "interfaces/sound.h"
#include "interfaces/surface_factory.h"

namespace dawnsigil {

inline constexpr const char* kPictureArchiveName = "Dawnsigil.mrl";

class Logo {
public:
    ~Logo() { release(); }

    // Acquires everything Run needs; true when all of it was there. A second Init first lets go of
    // what the first one bound.
    bool init(IHostcore* host);
    // Plays a scene (selector 0: by date, 1-8: that one, else none), then releases the sound
    // channel and every service and closes the picture archive, so the next Run needs a new Init.
    void run(int selector, bool repeat);

private:
    bool ready() const;
    bool open_picture_archive();
    // Safe to call at any time: releases whatever is held and nulls it.
    void release();

    IWinMsg* m_pIWinMsg = nullptr;
    ITimer* m_pITimer = nullptr;
    IMainSurface* m_pIMainSurface = nullptr;
    IKeyboardDevice* m_pIKeyboardDevice = nullptr;
    IVolumeValancer* m_pIVolumeValancer = nullptr;

    ISurfaceFactory* m_pISurfaceFactory = nullptr;
    ILogoGraph* m_pILogoGraph = nullptr;
    ISound2* m_pISound2 = nullptr;
    IMusic* m_pIMusic = nullptr;          // channel 0, owned by the sound service
    IMusicFade* m_pIMusicFade = nullptr;  // a facet of the channel

    archive::MrlArchive pictures_;
    SkipKeys keys_;
    Random random_;
};

// The library's one logo.
Logo& the_logo();

}  // namespace dawnsigil
