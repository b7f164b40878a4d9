#pragma once
// The table loader, in two versions.
#include "interfaces/iinterface.h"

class IXXILoader : public IInterface {};

class IXXILoader2 : public IInterface {
public:
    virtual bool Load(const char* path) = 0;
    virtual int GetVersion() = 0;
    virtual int GetNumofRow() = 0;
    virtual int GetNumofDWORD() = 0;  // numbers per row
    virtual int Get(int row, int column) = 0;
};
