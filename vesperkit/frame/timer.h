#pragma once
// A resettable timer over the host's millisecond clock.
#include <cstdint>

#include "interfaces/host.h"
#include "vesperkit/frame/ref_counted.h"

class ITimerGLE : public IInterface {
public:
    virtual void Reset() = 0;
    virtual uint32_t Get() = 0;  // milliseconds since the last reset
    virtual void Destroy() = 0;
};

class CTimer : public vesperkit::RefCounted<ITimerGLE> {
public:
    explicit CTimer(ITimer* host_timer) : m_pITimer(host_timer) {}
    void Reset() override { base_ = m_pITimer ? m_pITimer->Get() : 0; }
    // Unsigned subtraction keeps the elapsed time right across the host clock's wrap.
    uint32_t Get() override { return m_pITimer ? m_pITimer->Get() - base_ : 0; }
    void Destroy() override { delete this; }

    ITimer* m_pITimer;

private:
    uint32_t base_ = 0;
};
