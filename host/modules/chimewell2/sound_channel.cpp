#include "sound_channel.h"

#include <cstdio>
#include <string>

#include "host/event_log.h"
#include "platform/clock.h"
#include "platform/faults.h"

namespace host {
namespace {

// The bytes a channel was prepared with, as the event shows them: the size and up to the first 16
// bytes in hex, enough for a test to tell which sound was handed over.
std::string describe(const std::vector<uint8_t>& bytes) {
    std::string text = std::to_string(bytes.size());
    if (!bytes.empty()) text += ' ';
    char hex[3];
    for (size_t i = 0; i < bytes.size() && i < 16; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        text += hex;
    }
    return text;
}

}  // namespace

bool SoundChannel::Prepare(int data_number) {
    record("Chimewell2.Prepare " + std::to_string(number_) + " " + std::to_string(data_number));
    if (data_number < 0 || platform::should_fail("IMusic.Prepare")) return false;
    bytes_.clear();
    prepared_ = true;
    playing_ = false;
    return true;
}

bool SoundChannel::PrepareFromMemory(const void* data, int size) {
    if (!data || size <= 0 || platform::should_fail("IMusicMemory.PrepareFromMemory")) {
        record("Chimewell2.PrepareFromMemory " + std::to_string(number_) + " failed");
        return false;
    }
    const auto* first = static_cast<const uint8_t*>(data);
    bytes_.assign(first, first + size);
    prepared_ = true;
    playing_ = false;
    record("Chimewell2.PrepareFromMemory " + std::to_string(number_) + " " + describe(bytes_));
    return true;
}

bool SoundChannel::Unprepare() {
    record("Chimewell2.Unprepare " + std::to_string(number_));
    const bool was = prepared_;
    prepared_ = playing_ = fading_ = false;
    bytes_.clear();
    return was;
}

bool SoundChannel::Play() {
    record("Chimewell2.Play " + std::to_string(number_));
    if (!prepared_ || platform::should_fail("IMusic.Play")) return false;
    playing_ = true;
    return true;
}

bool SoundChannel::Stop() {
    record("Chimewell2.Stop " + std::to_string(number_));
    playing_ = false;
    return true;
}

bool SoundChannel::IsPlay() {
    settle();
    return playing_;
}

void* SoundChannel::QueryFacet(const GUID& iid) {
    if (iid == IID_IMusicFade && !platform::should_fail("IMusic.QueryFacet.IMusicFade"))
        return static_cast<IMusicFade*>(this);
    if (iid == IID_IMusicMemory && !platform::should_fail("IMusic.QueryFacet.IMusicMemory"))
        return static_cast<IMusicMemory*>(this);
    return nullptr;
}

bool SoundChannel::Fade(int time, int volume, bool stop) {
    record("Chimewell2.Fade " + std::to_string(number_) + " " + std::to_string(time) + " " + std::to_string(volume) +
           " " + std::to_string(stop ? 1 : 0));
    if (volume < 0) volume = 0;
    if (volume > 100) volume = 100;
    if (time <= 0) {
        volume_ = volume;
        fading_ = false;
        if (stop) playing_ = false;
        return true;
    }
    fade_from_ = this->volume();
    fade_to_ = volume;
    fade_start_ = platform::tick_count();
    fade_time_ = static_cast<uint32_t>(time);
    fade_stop_ = stop;
    fading_ = true;
    return true;
}

bool SoundChannel::StopFade() {
    volume_ = volume();
    fading_ = false;
    return true;
}

bool SoundChannel::IsFade() {
    settle();
    return fading_;
}

void SoundChannel::settle() {
    if (!fading_ || platform::tick_count() - fade_start_ < fade_time_) return;
    fading_ = false;
    volume_ = fade_to_;
    if (fade_stop_) playing_ = false;
}

int SoundChannel::volume() {
    settle();
    if (!fading_) return volume_;
    const int64_t elapsed = platform::tick_count() - fade_start_;
    return fade_from_ + static_cast<int>((fade_to_ - fade_from_) * elapsed / fade_time_);
}

IMusic* SoundChannels::get(int channel) {
    if (channel < 0 || channel >= kChannels) return nullptr;
    auto& slot = channels_[channel];
    if (!slot) slot = std::make_unique<SoundChannel>(channel);
    return slot.get();
}

int SoundChannels::unused() {
    for (int channel = 0; channel < kChannels; ++channel) {
        auto it = channels_.find(channel);
        if (it == channels_.end() || !it->second->prepared()) return channel;
    }
    return -1;
}

}  // namespace host
