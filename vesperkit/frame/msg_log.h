#pragma once
// The message log over the VM's game messages: at most 200 entries.
#include <string>
#include <vector>

#include "interfaces/vm.h"
#include "vesperkit/frame/ref_counted.h"

class CMsgLog : public vesperkit::RefCounted<IInterface> {
public:
    explicit CMsgLog(IVMGameMsg* game_msg) : m_pIVMGameMsg(game_msg) {}

    static constexpr int kLimit = 200;
    IVMGameMsg* m_pIVMGameMsg;
    std::vector<std::string> entries_;
};
