#pragma once
// The click checker: Return, Control or the left mouse button counts as a click while enabled.
#include "interfaces/host.h"
#include "vesperkit/frame/ref_counted.h"

class ICheckClick : public IInterface {
public:
    virtual void Clear() = 0;
    virtual bool IsClicked() = 0;
    virtual void Destroy() = 0;
    virtual void SetEnable(bool enable) = 0;
};

class CCheckClick : public vesperkit::RefCounted<ICheckClick> {
public:
    explicit CCheckClick(IInputDevice2* input) : m_pIInputDevice2(input) {}
    void Clear() override {
        if (m_pIInputDevice2) m_pIInputDevice2->ClearAllFlags();
    }
    bool IsClicked() override;
    void Destroy() override { delete this; }
    void SetEnable(bool enable) override { enabled_ = enable; }

    IInputDevice2* m_pIInputDevice2;

private:
    bool enabled_ = false;
};
