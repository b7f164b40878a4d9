#pragma once
// Channels of the sound-effect stand-in. There is no audio output: a channel keeps what it was
// prepared with, whether it plays and its volume, and records every call as
// "Chimewell2.<operation> <channel> ..." so that tests can follow what a plug-in did.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "interfaces/sound_channel.h"

namespace host {

class SoundChannel final : public IMusic, public IMusicFade, public IMusicMemory {
public:
    explicit SoundChannel(int number) : number_(number) {}
    virtual ~SoundChannel() = default;

    // The service owns its channels: the counts are kept, but a channel dies with its service.
    int AddRef() override { return ++count_; }
    int Release() override { return --count_; }

    bool Prepare(int data_number) override;
    bool Unprepare() override;
    bool Play() override;
    bool Stop() override;
    bool IsPlay() override;
    void* QueryFacet(const GUID& iid) override;

    // A fade moves the volume linearly from where it stands to the target over `time` ms of the
    // platform clock; it is evaluated whenever the channel is asked.
    bool Fade(int time, int volume, bool stop) override;
    bool StopFade() override;
    bool IsFade() override;

    bool PrepareFromMemory(const void* data, int size) override;

    bool prepared() const { return prepared_; }
    int volume();  // percent, as the fade stands now

private:
    void settle();  // ends a fade whose time is up
    int number_;
    int count_ = 1;
    bool prepared_ = false;
    bool playing_ = false;
    std::vector<uint8_t> bytes_;  // the copy made by PrepareFromMemory
    int volume_ = 100;
    bool fading_ = false;
    int fade_from_ = 100, fade_to_ = 100;
    uint32_t fade_start_ = 0, fade_time_ = 0;
    bool fade_stop_ = false;
};

// Channels 0 to kChannels - 1, made on first use.
class SoundChannels {
public:
    static constexpr int kChannels = 64;
    IMusic* get(int channel);  // null outside the range
    int unused();              // the lowest channel with nothing prepared, -1 when none

private:
    std::map<int, std::unique_ptr<SoundChannel>> channels_;
};

}  // namespace host
