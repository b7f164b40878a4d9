#pragma once
// The music wrapper over the music system, created when music is first used.
#include "interfaces/link_file.h"
#include "interfaces/music.h"
#include "interfaces/table_loader.h"
#include "vesperkit/frame/error_message.h"
#include "vesperkit/sound/volume_link.h"

class CTarnMusic final : public vesperkit::sound::Embedded<IChangeVolumeCallback> {
public:
    CTarnMusic(IVLTFile* bgm, IXXILoader* loader, IMusicSystem2* music, CErrorMessage* errors)
        : m_pIVLTFileBGM(bgm), m_pIXXILoader(loader), m_pIMusicSystem(music), m_pIErrorMessage(errors) {}

    // The music system reads group volumes from the balancer itself; it only needs telling.
    void OnChangeVolume(int, int) override {
        if (m_pIMusicSystem) m_pIMusicSystem->OnVolumesChanged();
    }
    void OnChangeMute(int, bool) override {
        if (m_pIMusicSystem) m_pIMusicSystem->OnMutesChanged();
    }
    void OnChangeThird(int, bool) override {}

    IVLTFile* m_pIVLTFileBGM;
    IXXILoader* m_pIXXILoader;
    IMusicSystem2* m_pIMusicSystem;
    CErrorMessage* m_pIErrorMessage;
};
