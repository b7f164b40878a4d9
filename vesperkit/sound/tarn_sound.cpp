#include "vesperkit/sound/tarn_sound.h"

#include "platform/debug_output.h"

namespace {
// A release that throws must not stop the teardown.
template <class T>
void guarded_release(T*& object, const char* note) {
    if (!object) return;
    try {
        object->Release();
    } catch (...) {
        platform::output_debug_string(note);
    }
    object = nullptr;
}
}  // namespace

CTarnSound::~CTarnSound() {
    guarded_release(m_pISound2, "[TARN]★CTarnSound::~CTarnSound() m_pISound2->Release() で例外発生\n");
    guarded_release(m_pIVLTFileWAVE, "[TARN]★CTarnSound::~CTarnSound() m_pIVLTFileWAVE->Release() で例外発生\n");
    if (m_pIErrorMessage) m_pIErrorMessage->Release();
}

bool CTarnSound::Init(CErrorMessage* errors, ISound2* sound, IVLTFile* wave, IXXILoader2*) {
    m_pIErrorMessage = errors;
    m_pISound2 = sound;
    m_pIVLTFileWAVE = wave;
    if (errors) errors->AddRef();
    if (sound) sound->AddRef();
    if (wave) wave->AddRef();
    return true;
}

void CTarnSound::OnChangeVolume(int group, int volume) {
    groups_[group].volume = volume;
    ApplyAllChannelVolumes();
}

void CTarnSound::OnChangeMute(int group, bool mute) {
    groups_[group].mute = mute;
    ApplyAllChannelVolumes();
}

void CTarnSound::ApplyAllChannelVolumes() {
    // No channel has been prepared through this wrapper yet, so there is nothing to re-apply.
}
