#pragma once
// The base of every interface and reference-counted object. AddRef and Release are the first two
// operations of every table; objects start with a count of 1. There is deliberately no virtual
// destructor: it would take a slot of the table. Objects are destroyed by their own Release.
#include "interfaces/guid.h"

class IInterface {
public:
    virtual int AddRef() = 0;
    virtual int Release() = 0;

protected:
    ~IInterface() = default;
};

// Windows-style window handle, opaque to the plug-ins.
using WindowHandle = void*;

// The exported factory of every service library: "CreateInterface" (and the host library's
// "GetInterface") take a pointer to the identifier and return an owned interface or null.
extern "C" {
typedef IInterface* (*CreateInterfaceFn)(const GUID* iid);
}
