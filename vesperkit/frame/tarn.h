#pragma once
// The engine root: the one object of the process that owns everything the engine makes and holds
// every interface it obtained from the host and the service libraries.
#include <cstdint>
#include <vector>

#include "interfaces/draw_plugin.h"
#include "interfaces/fft.h"
#include "interfaces/graph.h"
#include "interfaces/host.h"
#include "interfaces/image_codec.h"
#include "interfaces/link_file.h"
#include "interfaces/music.h"
#include "interfaces/sound.h"
#include "interfaces/surface_factory.h"
#include "interfaces/table_loader.h"
#include "interfaces/vm.h"
#include "vesperkit/frame/check_click.h"
#include "vesperkit/frame/error_message.h"
#include "vesperkit/frame/msg_log.h"
#include "vesperkit/frame/timer.h"
#include "vesperkit/sound/sound_volume.h"
#include "vesperkit/sound/tarn_music.h"
#include "vesperkit/sound/tarn_sound.h"
#include "vesperkit/sound/volume_link.h"
#include "vesperkit/sprites/get_surface.h"
#include "vesperkit/sprites/tarn_engine.h"
#include "vesperkit/util/csv_file.h"

class CTARN final : public IInterface {
public:
    CTARN() = default;
    int AddRef() override { return ++ref_count_; }
    int Release() override;

    // Binds the host and the service libraries, creates the engine's objects and wires them up.
    // A missing piece is reported and makes the result false; what was acquired stays in place.
    bool Initialize(IHostcore* host, uint32_t cg_cache_bytes);
    // Starts the music system on first use.
    bool InitMusicIfUninit();
    // One frame (the Update export): false when drawing failed.
    bool Update();
    // The frame-rate window starts again now.
    void RestartRateWindow();

    uint32_t window_process_id_ = 0xFFFFFFFF;
    IHostcore* m_pIHostcore = nullptr;
    IMainSurface* m_pIMainSurface = nullptr;
    IVLTFileManager* m_pIVLTFileManager = nullptr;
    IVLTFile* m_pIVLTFileCG = nullptr;
    IVLTFile* m_pIVLTFileWAVE = nullptr;
    IVLTFile* m_pIVLTFileDATA = nullptr;
    IVLTFile* m_pIVLTFileRESOURCE = nullptr;
    IVLTFile* m_pIVLTFileBGM = nullptr;
    IUngild* m_pIDecodeCG = nullptr;
    IImageEncoder* m_pIEncodeCG = nullptr;
    IFFT* m_pIFFT = nullptr;
    IGraph3* m_pIGraph3 = nullptr;
    ISurfaceFactory* m_pISurfaceFactory = nullptr;
    IInputDevice2* m_pIInputDevice2 = nullptr;
    IDrawText2* m_pIDrawText2 = nullptr;
    ITimer* m_pITimer = nullptr;
    IWinMsg* m_pIWinMsg = nullptr;
    IDrawPluginDrawer* m_pIDrawPluginDrawer = nullptr;
    IDrawPluginManager* m_pIDrawPluginManager = nullptr;
    IDrawPluginUpdater* m_pIDrawPluginUpdater = nullptr;
    IMouseWheel* m_pIMouseWheel = nullptr;
    IMsgBox* m_pIMsgBox = nullptr;
    IShutdown* m_pIShutdown = nullptr;
    IVM* m_pIVM = nullptr;
    IVMDebugPause* m_pIVMDebugPause = nullptr;
    IVMFuncName* m_pIVMFuncName = nullptr;
    IVMCallStack* m_pIVMCallStack = nullptr;
    IVMGameMsg* m_pIVMGameMsg = nullptr;
    IVolumeValancer* m_pIVolumeValancer = nullptr;
    IMusicSystem2* m_pIMusicSystem = nullptr;
    ISound2* m_pISound2 = nullptr;
    IXXILoader* m_pIXXILoader = nullptr;
    IXXILoader2* m_pIXXILoader2 = nullptr;
    IKeyState* m_pIKeyState = nullptr;
    IResetFlag* m_pIResetFlag = nullptr;
    IMainWindow* m_pIMainWindow = nullptr;
    CTarnEngine* m_pIEngine = nullptr;
    CTarnSound* m_pITarnSound = nullptr;
    CTarnMusic* m_pITarnMusic = nullptr;
    CAddInvalidateRect* m_pIAddInvalidateRect = nullptr;
    CGetSurface* m_pIGetSurface = nullptr;
    CCheckClick* m_pICheckClick = nullptr;
    CMsgLog* m_pIMsgLog = nullptr;
    CTimer* m_pITimerGLE = nullptr;
    CErrorMessage* m_pIErrorMessage = nullptr;
    CCSVFile* m_pICSVFile = nullptr;
    bool debug_mode_ = false;
    bool music_started_ = false;

    // Volume groups and their watchers.
    int master_volume_group_ = 0;
    int sound_volume_group_ = 2;
    int music_volume_group_ = 1;
    int sub_master_volume_group_ = 3;
    CSoundVolume master_volume_;
    CSoundVolume sub_master_volume_;

    // Frame loop.
    int32_t frame_count_ = 0;
    uint32_t frame_window_start_ = 0;
    uint32_t adaptive_sleep_ = 0;
    uint8_t sleep_by_inactive_window_ = 0;
    uint8_t over_frame_rate_sleep_ = 1;
    uint8_t read_message_skipping_ = 0;
    uint8_t frame_skip_while_message_skip_ = 1;
    uint8_t invalidate_frame_skip_while_message_skip_ = 0;
    int32_t frame_skip_counter_ = 0;
    int32_t frame_skip_period_ = 10;

    // Memory figures in MiB, read each drawn frame in debug mode.
    int32_t current_memory_mib_ = 0;
    int32_t peak_memory_mib_ = 0;

private:
    enum class InitializeResult { kNotRun, kSucceeded, kFailed };
    bool SkipThisFrame();
    void ReadMemoryFigures();
    ~CTARN();
    bool initialize_once(IHostcore* host, uint32_t cg_cache_bytes);
    bool bind_service_libraries();
    void create_link_files();
    bool bind_host_interfaces();
    bool create_own_objects();
    bool bind_vm_interfaces();
    bool initialize_services(uint32_t cg_cache_bytes);
    void wire_volume_groups();
    void register_engine_services();
    // Registers a listener with the balancer through a link that teardown detaches.
    void listen_to_volume(IChangeVolumeCallback* listener);

    int ref_count_ = 1;
    InitializeResult initialize_result_ = InitializeResult::kNotRun;
    std::vector<vesperkit::sound::VolumeLink*> volume_links_;
    std::vector<IVLTFile*> dummy_link_files_;  // made here for link files the manager lacks
};

// The root, made when the library is attached to the process (null if that allocation failed).
extern CTARN* g_pTARN;
