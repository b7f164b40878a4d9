#pragma once
// The sprite engine's error reporter, which its GetInterface export hands to other libraries.
#include "interfaces/host.h"
#include "interfaces/vm.h"

class IErrorMessage : public IInterface {
public:
    // printf-style; the formatted report holds at most 16 383 characters.
    virtual void Open(const char* format, ...) __attribute__((format(printf, 2, 3))) = 0;
};

class ITarnErrorMessage : public IErrorMessage {
public:
    virtual void SetHostInterfaces(IVM* vm, IMsgBox* msg_box, IShutdown* shutdown, IVMDebugPause* debug_pause,
                                   IVMFuncName* func_name, IVMCallStack* call_stack) = 0;
    virtual void Destroy() = 0;
};
