#pragma once
// The script virtual machine and the services the engine asks it for.
#include "interfaces/iinterface.h"

class IVM : public IInterface {
public:
    virtual void Reserved2() {}
    virtual void Reserved3() {}
    virtual IInterface* GetInterface(const GUID& iid) = 0;
};

class IVMGameMsg : public IInterface {
public:
    virtual int GetNumof() = 0;
    virtual const char* Get(int number) = 0;
};

class IVMDebugPause : public IInterface {
public:
    virtual void Reserved2() {}
    virtual void Pause() = 0;
};

class IVMFuncName : public IInterface {
public:
    virtual const char* GetName(int function_index) = 0;
};

class IVMCallStack : public IInterface {
public:
    virtual void Reserved2() {}
    virtual void Reserved3() {}
    virtual void Reserved4() {}
    virtual void Reserved5() {}
    virtual int GetFunctionIndex(int frame_id) = 0;  // negative: none
    virtual void Reserved7() {}
    virtual void Reserved8() {}
    virtual void Reserved9() {}
    virtual void Reserved10() {}
    virtual int GetDepth() = 0;
    virtual int GetFrameAt(int depth_index) = 0;  // negative: none
};

class IVMErrorMsg : public IInterface {
public:
    virtual void Show(const char* text) = 0;
};
