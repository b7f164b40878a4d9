#include "dawnsigil/logo.h"

#include "dawnsigil/frame_loop.h"
#include "dawnsigil/message.h"
#include "dawnsigil/scene_choice.h"
#include "dawnsigil/service_binding.h"
#include "interfaces/guids.h"

namespace dawnsigil {
namespace {

template <class Interface>
bool ask(IHostcore& host, const GUID& iid, Interface*& out) {
    out = static_cast<Interface*>(host.GetInterface(iid));
    return out != nullptr;
}

template <class Interface>
void release_one(Interface*& object) {
    if (object) object->Release();
    object = nullptr;
}

}  // namespace

bool Logo::init(IHostcore* host) {
    release();
    if (!host) return false;
    if (!ask(*host, IID_IWinMsg, m_pIWinMsg) || !ask(*host, IID_ITimer, m_pITimer) ||
        !ask(*host, IID_IMainSurface, m_pIMainSurface) || !ask(*host, IID_IKeyboardDevice, m_pIKeyboardDevice) ||
        !ask(*host, IID_IVolumeValancer, m_pIVolumeValancer))
        return false;
    m_pIKeyboardDevice->Init();
    keys_.clear();

    m_pISurfaceFactory = bind_service_as<ISurfaceFactory>("Facetry", IID_ILogoSurfaceFactory);
    if (!m_pISurfaceFactory) return false;
    m_pILogoGraph = bind_service_as<ILogoGraph>("Lattix", IID_ILogoGraph);
    if (!m_pILogoGraph || !m_pILogoGraph->Init()) return false;
    m_pILogoGraph->SetSetting(1);
    m_pISound2 = bind_service_as<ISound2>("Chimewell2", IID_ISound2);
    if (!m_pISound2) return false;
    m_pIMusic = m_pISound2->GetIMusic(0);
    if (!m_pIMusic) return false;
    m_pIMusicFade = static_cast<IMusicFade*>(m_pIMusic->QueryFacet(IID_IMusicFade));
    return open_picture_archive();
}

bool Logo::open_picture_archive() {
    switch (pictures_.open(kPictureArchiveName)) {
    case archive::OpenStatus::kOk: return true;
    case archive::OpenStatus::kCannotOpen:
        show_message("ＣＧリンクファイル【 %s 】の読み込みに失敗しました", kPictureArchiveName);
        return false;
    case archive::OpenStatus::kBadMagic:
        show_message("ＣＧリンクファイル【 %s 】のＩＤが未定義です", kPictureArchiveName);
        return false;
    default: return false;
    }
}

bool Logo::ready() const {
    return m_pIWinMsg && m_pITimer && m_pIMainSurface && m_pIKeyboardDevice && m_pIVolumeValancer &&
           m_pISurfaceFactory && m_pILogoGraph && m_pIMusic && pictures_.is_open();
}

void Logo::run(int selector, bool repeat) {
    const int scene = choose_scene(selector);
    if (scene != 0 && ready()) {
        Stage stage{*m_pIWinMsg,       *m_pITimer,    *m_pIMainSurface, *m_pIKeyboardDevice,
                    *m_pIVolumeValancer, *m_pISurfaceFactory, *m_pILogoGraph, *m_pIMusic,
                    m_pIMusicFade,      pictures_,     keys_,            random_};
        play_scene(scene, repeat, stage);
    }
    release();
}

void Logo::release() {
    // The channel belongs to the sound service: it is unprepared while the service still exists.
    if (m_pIMusic) m_pIMusic->Unprepare();
    m_pIMusic = nullptr;
    m_pIMusicFade = nullptr;
    release_one(m_pISound2);
    release_one(m_pILogoGraph);
    release_one(m_pISurfaceFactory);
    pictures_.close();
    // Host interfaces are borrowed: forgotten, never released.
    m_pIWinMsg = nullptr;
    m_pITimer = nullptr;
    m_pIMainSurface = nullptr;
    m_pIKeyboardDevice = nullptr;
    m_pIVolumeValancer = nullptr;
}

Logo& the_logo() {
    static Logo* logo = new Logo;  // never destroyed: the host may call in while the process exits
    return *logo;
}

}  // namespace dawnsigil
