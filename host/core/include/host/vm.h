#pragma once
// The script virtual machine's services: game messages, call stack, function names, debugger pause
// and the error display, which collects every error text.
#include <functional>
#include <string>
#include <vector>

#include "host/ref_counted.h"
#include "interfaces/vm.h"

namespace host {

class VMGameMsg : public HostOwned<IVMGameMsg> {
public:
    VMGameMsg() : HostOwned("IVMGameMsg") {}
    int GetNumof() override { return static_cast<int>(messages_.size()); }
    const char* Get(int number) override;
    std::vector<std::string> messages_;  // ANSI code page
};

class VMFuncName : public HostOwned<IVMFuncName> {
public:
    VMFuncName() : HostOwned("IVMFuncName") {}
    const char* GetName(int index) override;
    std::vector<std::string> names_;
};

// frames_[depth] is the frame id at that depth; functions_[frame id] its function index.
class VMCallStack : public HostOwned<IVMCallStack> {
public:
    VMCallStack() : HostOwned("IVMCallStack") {}
    int GetFunctionIndex(int frame_id) override;
    int GetDepth() override { return static_cast<int>(frames_.size()); }
    int GetFrameAt(int depth_index) override;
    std::vector<int> frames_;
    std::vector<int> functions_;
};

class VMDebugPause : public HostOwned<IVMDebugPause> {
public:
    VMDebugPause() : HostOwned("IVMDebugPause") {}
    void Pause() override { ++pauses_; }
    int pauses_ = 0;
};

class VMErrorMsg : public HostOwned<IVMErrorMsg> {
public:
    VMErrorMsg() : HostOwned("IVMErrorMsg") {}
    void Show(const char* text) override;
    std::vector<std::string> texts_;  // as shown, ANSI code page
    std::function<void(const std::string&)> on_show;  // told of every text as it is shown
};

// Each service can be left out with the fault "vm.<interface name>".
class VM : public HostOwned<IVM> {
public:
    VM() : HostOwned("IVM") {}
    IInterface* GetInterface(const GUID& iid) override;

    VMGameMsg game_msg;
    VMFuncName func_name;
    VMCallStack call_stack;
    VMDebugPause debug_pause;
    VMErrorMsg error_msg;
};

}  // namespace host
