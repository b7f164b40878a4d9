// Cantara: the FFT service and the music system.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/fft.h"
#include "interfaces/guids.h"
#include "interfaces/music.h"

namespace host {
namespace {

class FFT : public RefCounted<IFFT> {
public:
    FFT() : RefCounted("IFFT") {}
    void rdft(int, int, float*) override {}
    void hanning_window(int, float*) override {}
};

class MusicSystem : public RefCounted<IMusicSystem2> {
public:
    MusicSystem() : RefCounted("IMusicSystem2") {}
    bool Init(IMusicHost* host, ITimer* timer) override {
        return host && timer && !platform::should_fail("IMusicSystem2.Init");
    }
    IMusic* GetIMusic(int) override { return nullptr; }
    bool IsExist(int) override { return false; }
    void SetVolumeValancer(IVolumeValancer* balancer) override { balancer_ = balancer; }
    void OnVolumesChanged() override {}
    void OnMutesChanged() override {}

private:
    IVolumeValancer* balancer_ = nullptr;
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid) return nullptr;
    if (*iid == IID_IFFT && !platform::should_fail("Cantara.CreateInterface.IFFT")) return new host::FFT;
    if (*iid == IID_IMusicSystem2 && !platform::should_fail("Cantara.CreateInterface.IMusicSystem2"))
        return new host::MusicSystem;
    return nullptr;
}
