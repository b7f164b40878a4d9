#include "host/volume.h"

namespace host {

VolumeValancer::VolumeValancer(int groups) : HostOwned("IVolumeValancer"), groups_(groups) {}

VolumeValancer::~VolumeValancer() {
    for (IChangeVolumeCallback* l : listeners_) l->Release();
}

int VolumeValancer::GetVolume(int group) { return valid(group) ? groups_[group].volume : 0; }
bool VolumeValancer::GetMute(int group) { return valid(group) && groups_[group].mute; }
bool VolumeValancer::GetThird(int group) { return valid(group) && groups_[group].third; }

void VolumeValancer::AddCallback(IChangeVolumeCallback* callback) {
    if (!callback) return;
    callback->AddRef();  // the listener stays valid for as long as the host may call it
    listeners_.push_back(callback);
}

void VolumeValancer::set_volume(int group, int volume) {
    if (!valid(group)) return;
    groups_[group].volume = volume;
    for (IChangeVolumeCallback* l : listeners_) l->OnChangeVolume(group, volume);
}

void VolumeValancer::set_mute(int group, bool mute) {
    if (!valid(group)) return;
    groups_[group].mute = mute;
    for (IChangeVolumeCallback* l : listeners_) l->OnChangeMute(group, mute);
}

void VolumeValancer::set_third(int group, bool value) {
    if (!valid(group)) return;
    groups_[group].third = value;
    for (IChangeVolumeCallback* l : listeners_) l->OnChangeThird(group, value);
}

}  // namespace host
