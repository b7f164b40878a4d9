#include "host/vm.h"

#include "platform/faults.h"
#include "interfaces/guids.h"
#include "platform/codepage.h"

namespace host {

const char* VMGameMsg::Get(int number) {
    if (number < 0 || number >= GetNumof()) return nullptr;
    return messages_[number].c_str();
}

const char* VMFuncName::GetName(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return "";
    return names_[index].c_str();
}

int VMCallStack::GetFunctionIndex(int frame_id) {
    if (frame_id < 0 || frame_id >= static_cast<int>(functions_.size())) return -1;
    return functions_[frame_id];
}

int VMCallStack::GetFrameAt(int depth_index) {
    if (depth_index < 0 || depth_index >= static_cast<int>(frames_.size())) return -1;
    return frames_[depth_index];
}

void VMErrorMsg::Show(const char* text) {
    texts_.emplace_back(text ? text : "");
    if (on_show) on_show(texts_.back());
}

IInterface* VM::GetInterface(const GUID& iid) {
    struct Service {
        const GUID& iid;
        const char* fault;
        IInterface* object;
    };
    const Service services[] = {
        {IID_IVMGameMsg, "vm.IVMGameMsg", &game_msg},       {IID_IVMFuncName, "vm.IVMFuncName", &func_name},
        {IID_IVMCallStack, "vm.IVMCallStack", &call_stack}, {IID_IVMDebugPause, "vm.IVMDebugPause", &debug_pause},
        {IID_IVMErrorMsg, "vm.IVMErrorMsg", &error_msg},
    };
    for (const Service& s : services)
        if (s.iid == iid) return platform::should_fail(s.fault) ? nullptr : s.object;
    return nullptr;
}

}  // namespace host
