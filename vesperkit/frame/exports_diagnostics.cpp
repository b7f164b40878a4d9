// Exports of error reporting and diagnostics.
#include <string>

#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"

int Error(IString* text) {
    return vesperkit::guard_export(0, [&] {
        if (g_pTARN && g_pTARN->m_pIErrorMessage) g_pTARN->m_pIErrorMessage->Report(text ? text->Get() : "");
        return 0;
    });
}

int Debug_GetCurrentAllocatedMemorySize() { return g_pTARN ? g_pTARN->current_memory_mib_ : 0; }

int Debug_GetMaxAllocatedMemorySize() { return g_pTARN ? g_pTARN->peak_memory_mib_ : 0; }

void Debug_GetFuncStack(IString* out, int depth) {
    vesperkit::guard_export([&] {
        if (!out || !g_pTARN) return;
        IVMCallStack* stack = g_pTARN->m_pIVMCallStack;
        IVMFuncName* names = g_pTARN->m_pIVMFuncName;
        std::string result;
        if (stack && names) {
            const int n = stack->GetDepth();
            const int last = depth >= 0 && n >= 0 ? depth : n - 1;
            for (int i = 0; i <= last; ++i) {
                const int frame = stack->GetFrameAt(i);
                if (frame < 0) continue;
                const int function = stack->GetFunctionIndex(frame);
                if (function < 0) continue;
                const char* name = names->GetName(function);
                result += name ? name : "";
                result += "←";
            }
        }
        out->Set(result.c_str());
    });
}

void Debug_Pause() {
    if (g_pTARN && g_pTARN->m_pIVMDebugPause) g_pTARN->m_pIVMDebugPause->Pause();
}
