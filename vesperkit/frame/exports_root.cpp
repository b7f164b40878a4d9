// Exports of the plug-in entry: Init and GetInterface.
#include "interfaces/guids.h"
#include "platform/debug_output.h"
#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"

namespace {
bool callback_registered = false;
}  // namespace

int Init(IHostcore* host, int cache_megabytes) {
    return vesperkit::guard_export(0, [&] {
        if (!g_pTARN || !host) return 0;
        if (!callback_registered) {
            auto* set_callback = static_cast<ISetCallback*>(host->GetInterface(IID_ISetCallback));
            if (!set_callback) {
                platform::output_debug_string("■ERROR ISetCallback取得失敗 - Init - TARN.DLL\n");
            } else {
                set_callback->SetCallback(g_pTARN);
                callback_registered = true;
            }
        }
        // Megabytes to bytes, as a 32-bit shift: the capacity wraps as it always has for sizes of
        // 4096 MB and more.
        const uint32_t cache_bytes = static_cast<uint32_t>(cache_megabytes) << 20;
        return g_pTARN->Initialize(host, cache_bytes) ? 1 : 0;
    });
}

IInterface* GetInterface(const GUID* iid) {
    return vesperkit::guard_export<IInterface*>(nullptr, [&]() -> IInterface* {
        if (!g_pTARN || !iid) return nullptr;
        IInterface* object = nullptr;
        if (*iid == IID_ITarnEngine || *iid == IID_ITarnEngineDX3)
            object = g_pTARN->m_pIEngine;
        else if (*iid == IID_ITarnErrorMessage)
            object = g_pTARN->m_pIErrorMessage;
        // IID_IDrawD3DPluginManager: the Direct3D view is not part of this engine build, so there is
        // no draw-plug-in manager to hand out.
        if (object) object->AddRef();
        return object;
    });
}
