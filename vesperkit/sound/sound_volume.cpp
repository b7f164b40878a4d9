#include "vesperkit/sound/sound_volume.h"

#include "vesperkit/sound/tarn_music.h"
#include "vesperkit/sound/tarn_sound.h"

void CSoundVolume::OnChangeVolume(int group, int volume) {
    if (music_ && music_->m_pIMusicSystem) music_->m_pIMusicSystem->OnVolumesChanged();
    if (group != group_) return;
    volume_ = volume;
    if (owner_) owner_->ApplyAllChannelVolumes();
}

void CSoundVolume::OnChangeMute(int group, bool mute) {
    if (music_ && music_->m_pIMusicSystem) music_->m_pIMusicSystem->OnMutesChanged();
    if (group != group_) return;
    mute_ = mute;
    if (owner_) owner_->ApplyAllChannelVolumes();
}
