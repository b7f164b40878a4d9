#include "vesperkit/frame/tarn.h"

#include <initializer_list>
#include <string>
#include <type_traits>

#include "interfaces/guids.h"
#include "platform/debug_output.h"
#include "platform/window.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/frame/service_binding.h"
#include "vesperkit/frame/vlt_file_dummy.h"
#include "vesperkit/text/tarn_draw_text.h"

CTARN* g_pTARN = nullptr;

namespace {

template <class Interface>
Interface* ask(IHostcore* host, const GUID& iid) {
    return static_cast<Interface*>(host->GetInterface(iid));
}

template <class Interface>
Interface* ask_vm(IVM* vm, const GUID& iid) {
    return static_cast<Interface*>(vm->GetInterface(iid));
}

template <class T>
void release(T*& object) {
    if (object) object->Release();
    object = nullptr;
}

template <class T>
void destroy(T*& object) {
    delete object;
    object = nullptr;
}

}  // namespace

int CTARN::Release() {
    if (--ref_count_ > 0) return ref_count_;
    delete this;
    return 0;
}

bool CTARN::Initialize(IHostcore* host, uint32_t cg_cache_bytes) {
    // A second start would acquire everything again over what the first one holds; the root starts
    // once and every later Init gets the first answer.
    if (initialize_result_ != InitializeResult::kNotRun) return initialize_result_ == InitializeResult::kSucceeded;
    const bool ok = initialize_once(host, cg_cache_bytes);
    initialize_result_ = ok ? InitializeResult::kSucceeded : InitializeResult::kFailed;
    return ok;
}

bool CTARN::initialize_once(IHostcore* host, uint32_t cg_cache_bytes) {
    // 1. The reporter comes first: until it has the VM, it shows plain message boxes.
    m_pIErrorMessage = vesperkit::allocate<CErrorMessage>("CErrorMessage");
    if (!m_pIErrorMessage || !host) return false;
    m_pIHostcore = host;

    if (!bind_service_libraries()) return false;                 // 2
    m_pIEngine = vesperkit::allocate<CTarnEngine>("CTarnEngine");  // 3
    if (!m_pIEngine) return false;
    create_link_files();                                           // 4
    if (!bind_host_interfaces()) return false;                     // 5-7
    if (!create_own_objects()) return false;                       // 8
    if (!bind_vm_interfaces()) return false;                       // 9

    // 10. The message log over the VM's game messages.
    m_pIMsgLog = vesperkit::allocate<CMsgLog>("CMsgLog", m_pIVMGameMsg);
    if (!m_pIMsgLog) {
        m_pIErrorMessage->Open("TARN初期化エラー(new)\n%s\n", "IMsgLog取得失敗\n");
        return false;
    }

    // 11. The draw-plug-in manager's updater and custom-sprite drawer.
    m_pIDrawPluginUpdater = static_cast<IDrawPluginUpdater*>(m_pIDrawPluginManager->GetInterface(IID_IDrawPluginUpdater));
    m_pIDrawPluginDrawer = static_cast<IDrawPluginDrawer*>(m_pIDrawPluginManager->GetInterface(IID_IDrawPluginDrawer));
    if (!m_pIDrawPluginUpdater) {
        m_pIErrorMessage->Open("%s", "IDrawPluginUpdater取得失敗");
        return false;
    }
    if (!m_pIDrawPluginDrawer) {
        m_pIErrorMessage->Open("%s", "IDrawPluginDrawer取得失敗");
        return false;
    }

    // 12. From now on errors are reported through the VM.
    m_pIErrorMessage->SetHostInterfaces(m_pIVM, m_pIMsgBox, m_pIShutdown, m_pIVMDebugPause, m_pIVMFuncName,
                                        m_pIVMCallStack);

    // 13. Debug mode enables the memory figures and the CG override folders.
    auto* debug_mode = ask<IDebugMode>(m_pIHostcore, IID_IDebugMode);
    debug_mode_ = debug_mode && debug_mode->IsDebugMode();

    if (!initialize_services(cg_cache_bytes)) return false;  // 14
    wire_volume_groups();                                    // 15
    register_engine_services();                              // 16

    // 17. The composition writes 32-bit pixels only.
    if (m_pIMainSurface->GetBitsPerPixel() != 32) {
        m_pIErrorMessage->Open("%s", "メインサーフェスが32bppではありません。\nVantor.iniに設定を記述してください");
        return false;
    }

    // 18. The frame-rate window starts now.
    RestartRateWindow();
    return true;
}

bool CTARN::bind_service_libraries() {
    std::string lines;
    auto bind = [&](auto*& member, const char* module, const GUID& iid, const char* failure) {
        using Interface = std::remove_reference_t<decltype(*member)>;
        member = vesperkit::bind_service_as<Interface>(module, iid);
        if (!member) lines += failure;
    };
    bind(m_pIVLTFileManager, "Crateva.dll", IID_IVLTFileManager, "IVLTFileManager取得失敗\n");
    bind(m_pIDecodeCG, "Ungild.dll", IID_IUngild, "IUngild取得失敗\n");
    bind(m_pIFFT, "Cantara.dll", IID_IFFT, "IFFT取得失敗\n");
    bind(m_pIGraph3, "Lattix.dll", IID_IGraph3, "IGraph3取得失敗\n");
    bind(m_pISurfaceFactory, "Facetry.dll", IID_ISurfaceFactory, "ISurfaceFactory取得失敗\n");
    m_pIDrawText2 = CTarnDrawText::Create();
    if (!m_pIDrawText2) lines += "IDrawText2取得失敗\n";
    bind(m_pIDrawPluginManager, "Overlayr.dll", IID_IDrawPluginManager, "IDrawPluginManager取得失敗\n");
    bind(m_pISound2, "Chimewell2.dll", IID_ISound2, "ISound2取得失敗\n");
    bind(m_pIXXILoader, "Mapsel.dll", IID_IXXILoader, "IXXILoader取得失敗\n");
    bind(m_pIXXILoader2, "Mapsel.dll", IID_IXXILoader2, "IXXILoader2取得失敗\n");
    if (lines.empty()) return true;
    m_pIErrorMessage->Open("TARN初期化エラー(CreateInterface,GetInterface)\n%s\n", lines.c_str());
    return false;
}

void CTARN::create_link_files() {
    IVLTFile** files[] = {&m_pIVLTFileCG, &m_pIVLTFileWAVE, &m_pIVLTFileDATA, &m_pIVLTFileRESOURCE, &m_pIVLTFileBGM};
    const char* const names[] = {"cg", "wave", "data", "resource", "bgm"};
    for (int type = 0; type < 5; ++type) {
        *files[type] = m_pIVLTFileManager->GetVLTFile(type);
        if (*files[type]) continue;
        *files[type] = vesperkit::allocate<CVLTFileDummy>("CVLTFileDummy", names[type]);
        if (*files[type]) dummy_link_files_.push_back(*files[type]);
    }
}

bool CTARN::bind_host_interfaces() {
    // 5. The nine host interfaces the engine cannot run without; reported only after stage 6.
    m_pIMainSurface = ask<IMainSurface>(m_pIHostcore, IID_IMainSurface);
    m_pIInputDevice2 = ask<IInputDevice2>(m_pIHostcore, IID_IInputDevice2);
    m_pITimer = ask<ITimer>(m_pIHostcore, IID_ITimer);
    m_pIMouseWheel = ask<IMouseWheel>(m_pIHostcore, IID_IMouseWheel);
    m_pIWinMsg = ask<IWinMsg>(m_pIHostcore, IID_IWinMsg);
    m_pIMsgBox = ask<IMsgBox>(m_pIHostcore, IID_IMsgBox);
    m_pIShutdown = ask<IShutdown>(m_pIHostcore, IID_IShutdown);
    m_pIVM = ask<IVM>(m_pIHostcore, IID_IVM);
    m_pIVolumeValancer = ask<IVolumeValancer>(m_pIHostcore, IID_IVolumeValancer);

    // 6. Window, key state and reset flag: their absence fails silently.
    m_pIMainWindow = ask<IMainWindow>(m_pIHostcore, IID_IMainWindow);
    if (!m_pIMainWindow) return false;
    window_process_id_ = 0xFFFFFFFF;
    window_process_id_ = platform::window_process_id(m_pIMainWindow->GetHandle());
    m_pIKeyState = ask<IKeyState>(m_pIHostcore, IID_IKeyState);
    m_pIResetFlag = ask<IResetFlag>(m_pIHostcore, IID_IResetFlag);
    if (!m_pIKeyState || !m_pIResetFlag) return false;

    // 7.
    const struct {
        const void* member;
        const char* failure;
    } required[] = {
        {m_pIMainSurface, "IMainSurface取得失敗\n"}, {m_pIInputDevice2, "IInputDevice2取得失敗\n"},
        {m_pITimer, "ITimer取得失敗\n"},             {m_pIMouseWheel, "IMouseWheel取得失敗\n"},
        {m_pIWinMsg, "IWinMsg取得失敗\n"},           {m_pIMsgBox, "IMsgBox取得失敗\n"},
        {m_pIShutdown, "IShutdown取得失敗\n"},       {m_pIVM, "IVM取得失敗\n"},
        {m_pIVolumeValancer, "IVolumeValancer取得失敗\n"},
    };
    std::string lines;
    for (const auto& r : required)
        if (!r.member) lines += r.failure;
    if (lines.empty()) return true;
    m_pIErrorMessage->Open("TARN初期化エラー(IHostcore)\n%s\n", lines.c_str());
    return false;
}

bool CTARN::create_own_objects() {
    m_pITarnSound = vesperkit::allocate<CTarnSound>("CTarnSound", sound_volume_group_);
    m_pIAddInvalidateRect = vesperkit::allocate<CAddInvalidateRect>("CAddInvalidateRect");
    m_pIGetSurface = vesperkit::allocate<CGetSurface>("CGetSurface", m_pIEngine, m_pIErrorMessage);
    m_pICheckClick = vesperkit::allocate<CCheckClick>("CCheckClick", m_pIInputDevice2);
    m_pITimerGLE = vesperkit::allocate<CTimer>("CTimer", m_pITimer);
    m_pICSVFile = vesperkit::allocate<CCSVFile>("CCSVFile");
    std::string lines;
    if (!m_pIAddInvalidateRect) lines += "IAddInvalidateRect取得失敗\n";
    if (!m_pIGetSurface) lines += "IGetSurface取得失敗\n";
    if (!m_pICheckClick) lines += "ICheckClickGLE取得失敗\n";
    if (!m_pITimerGLE) lines += "ITimerGLE取得失敗\n";
    if (!m_pICSVFile) lines += "ICSVFile取得失敗\n";
    if (lines.empty()) return true;
    m_pIErrorMessage->Open("TARN初期化エラー(new)\n%s\n", lines.c_str());
    return false;
}

bool CTARN::bind_vm_interfaces() {
    m_pIVMDebugPause = ask_vm<IVMDebugPause>(m_pIVM, IID_IVMDebugPause);
    m_pIVMFuncName = ask_vm<IVMFuncName>(m_pIVM, IID_IVMFuncName);
    m_pIVMCallStack = ask_vm<IVMCallStack>(m_pIVM, IID_IVMCallStack);
    m_pIVMGameMsg = ask_vm<IVMGameMsg>(m_pIVM, IID_IVMGameMsg);
    if (m_pIVMGameMsg) return true;
    m_pIErrorMessage->Open("TARN初期化エラー(IVM->GetInterface())\n%s\n", "IVMGameMsg取得失敗\n");
    return false;
}

bool CTARN::initialize_services(uint32_t cg_cache_bytes) {
    const bool engine_ok =
        m_pIEngine->Init(m_pIMainSurface, m_pIDecodeCG, m_pIVLTFileCG, m_pIGraph3, m_pISurfaceFactory,
                         m_pIDrawPluginDrawer, m_pIDrawText2, m_pITimer, cg_cache_bytes, debug_mode_);
    const bool graph_ok = m_pIGraph3->Init();
    const bool sound_ok = m_pISound2->Init(m_pIHostcore);
    if (engine_ok) return true;
    std::string lines;
    if (!graph_ok) lines += "Graph2 Init失敗\n";
    lines += "TarnEngine Init失敗\n";
    if (!sound_ok) lines += "Chimewell2 Init失敗\n";
    m_pIErrorMessage->Open("TARN初期化エラー(Init)\n%s\n", lines.c_str());
    return false;
}

void CTARN::listen_to_volume(IChangeVolumeCallback* listener) {
    auto* link = vesperkit::allocate<vesperkit::sound::VolumeLink>("VolumeLink", listener);
    if (!link) return;
    volume_links_.push_back(link);
    m_pIVolumeValancer->AddCallback(link);
}

void CTARN::wire_volume_groups() {
    // Listeners are registered in the order master watcher, sub-master watcher, sound wrapper; the
    // balancer notifies in that order, so the watchers are current before the wrapper re-applies.
    master_volume_.group_ = master_volume_group_;
    sub_master_volume_.group_ = sub_master_volume_group_;
    for (CSoundVolume* watcher : {&master_volume_, &sub_master_volume_}) {
        if (!m_pIVolumeValancer) continue;
        listen_to_volume(watcher);
        watcher->OnChangeVolume(watcher->group_, m_pIVolumeValancer->GetVolume(watcher->group_));
        watcher->OnChangeMute(watcher->group_, m_pIVolumeValancer->GetMute(watcher->group_));
    }
    if (m_pITarnSound) {
        m_pITarnSound->SetVolumeWatchers(&master_volume_, &sub_master_volume_);
        m_pITarnSound->Init(m_pIErrorMessage, m_pISound2, m_pIVLTFileWAVE, m_pIXXILoader2);
        if (m_pIVolumeValancer) {
            listen_to_volume(m_pITarnSound);
            for (int group = 0; group < m_pIVolumeValancer->GetNumofGroup(); ++group) {
                m_pITarnSound->OnChangeVolume(group, m_pIVolumeValancer->GetVolume(group));
                m_pITarnSound->OnChangeMute(group, m_pIVolumeValancer->GetMute(group));
                m_pITarnSound->OnChangeThird(group, m_pIVolumeValancer->GetThird(group));
            }
        }
    }
    master_volume_.owner_ = m_pITarnSound;
}

void CTARN::register_engine_services() {
    m_pIDrawPluginManager->RegisterInterface(IID_IChangeNumToISurface, m_pIGetSurface);
    m_pIDrawPluginManager->RegisterInterface(IID_IChangeNumToISurface2, m_pIGetSurface);
    m_pIDrawPluginManager->RegisterInterface(IID_IAddInvalidateRect, m_pIAddInvalidateRect);
}

bool CTARN::InitMusicIfUninit() {
    if (music_started_) return true;
    if (m_pIMusicSystem) {
        m_pIErrorMessage->Open("%s", "■ERROR - m_pIMusicSystem != NULL - CTARN::InitMusicIfUninit - TARN2\n");
        return false;
    }
    m_pIMusicSystem = vesperkit::bind_service_as<IMusicSystem2>("Cantara.dll", IID_IMusicSystem2);
    if (!m_pIMusicSystem) {
        m_pIErrorMessage->Open("%s", "CTARN::InitMusicIfUninit()\nCantara.dll の IID_IMusicSystem2 取得失敗\n");
        return false;
    }
    if (!m_pIHostcore) {
        m_pIErrorMessage->Open("%s", "CTARN::InitMusicIfUninit()\nm_pIHostcore が NULL\n");
        return false;
    }
    auto* music_host = ask<IMusicHost>(m_pIHostcore, IID_IMusicHost);
    auto* timer = ask<ITimer>(m_pIHostcore, IID_ITimer);
    m_pIMusicSystem->SetVolumeValancer(m_pIVolumeValancer);
    m_pIMusicSystem->Init(music_host, timer);
    m_pITarnMusic = vesperkit::allocate<CTarnMusic>("CTarnMusic", m_pIVLTFileBGM, m_pIXXILoader, m_pIMusicSystem,
                                                    m_pIErrorMessage);
    if (!m_pITarnMusic) {
        m_pIErrorMessage->Open("%s", "CTARN::InitMusicIfUninit()\nm_pITarnMusic 取得失敗\n");
        return false;
    }
    if (m_pIVolumeValancer) {
        listen_to_volume(m_pITarnMusic);
        m_pITarnMusic->OnChangeVolume(music_volume_group_, m_pIVolumeValancer->GetVolume(music_volume_group_));
        m_pITarnMusic->OnChangeMute(music_volume_group_, m_pIVolumeValancer->GetMute(music_volume_group_));
    }
    master_volume_.music_ = m_pITarnMusic;
    music_started_ = true;
    return true;
}

CTARN::~CTARN() {
    // The balancer may notify long after the root is gone: cut every link before anything it
    // reaches is destroyed.
    for (auto* link : volume_links_) link->detach();
    master_volume_.owner_ = nullptr;
    master_volume_.music_ = nullptr;

    m_pIResetFlag = nullptr;
    release(m_pIKeyState);
    destroy(m_pITarnMusic);
    destroy(m_pITarnSound);
    release(m_pIMusicSystem);
    if (m_pISound2) {
        try {
            m_pISound2->Release();
        } catch (...) {
            platform::output_debug_string("[TARN]★CTARN::~CTARN() : m_pISound2->Release() で例外発生\n");
        }
        m_pISound2 = nullptr;
    }
    release(m_pIFFT);
    release(m_pIDrawPluginManager);
    release(m_pIAddInvalidateRect);
    release(m_pIGetSurface);
    release(m_pIEngine);
    release(m_pIXXILoader);
    release(m_pIXXILoader2);
    release(m_pICSVFile);
    release(m_pICheckClick);
    release(m_pITimerGLE);
    release(m_pIMsgLog);
    release(m_pIEncodeCG);
    release(m_pIDecodeCG);
    release(m_pIDrawText2);
    // Link files stay with the manager that handed them out; the stand-ins made here are the
    // engine's own and go with it.
    for (IVLTFile* dummy : dummy_link_files_) dummy->Release();
    dummy_link_files_.clear();
    m_pIVLTFileCG = m_pIVLTFileWAVE = m_pIVLTFileDATA = m_pIVLTFileRESOURCE = m_pIVLTFileBGM = nullptr;
    release(m_pIVLTFileManager);
    release(m_pIGraph3);
    release(m_pISurfaceFactory);
    release(m_pIErrorMessage);
    for (auto* link : volume_links_) link->Release();
    volume_links_.clear();
    // Exports test the global: after the host let go of the root, they find nothing rather than a
    // freed object.
    if (g_pTARN == this) g_pTARN = nullptr;
}
