#pragma once
// The engine's error reporter. Before the root's initialisation hands it the VM, every report goes to
// a system message box; afterwards to the VM's error display, which decides whether the game goes on.
#include <cstdarg>

#include "interfaces/error_message.h"
#include "vesperkit/frame/ref_counted.h"

// Reports are formatted into a buffer of this many bytes: at most 16 383 characters and the zero.
constexpr int kReportBufferSize = 16384;

class CErrorMessage : public vesperkit::RefCounted<ITarnErrorMessage> {
public:
    void Open(const char* format, ...) override __attribute__((format(printf, 2, 3)));
    void SetHostInterfaces(IVM* vm, IMsgBox* msg_box, IShutdown* shutdown, IVMDebugPause* debug_pause,
                           IVMFuncName* func_name, IVMCallStack* call_stack) override;
    void Destroy() override { delete this; }

    void OpenV(const char* format, va_list args);
    // Shows a prepared text followed by a line break; percent signs in it are shown, not
    // interpreted. Always 0.
    int Report(const char* text);

    IVM* m_pIVM = nullptr;
    IMsgBox* m_pIMsgBox = nullptr;
    IShutdown* m_pIShutdown = nullptr;
    IVMDebugPause* m_pIVMDebugPause = nullptr;
    IVMFuncName* m_pIVMFuncName = nullptr;
    IVMCallStack* m_pIVMCallStack = nullptr;
};

// The plain message box for engine-internal failures, titled with the library's file name. Always
// false.
bool ShowPlainMessageBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
