#pragma once
// The archive (link-file) loader and its link files.
#include "interfaces/memory.h"

enum LinkFileType : int {
    kLinkFileCG = 0,
    kLinkFileWave = 1,
    kLinkFileData = 2,
    kLinkFileResource = 3,
    kLinkFileBGM = 4,
};

class IVLTFile : public IInterface {
public:
    virtual IMemory* Load(int number) = 0;  // null: the entry is absent
    virtual bool IsExist(int number) = 0;
    virtual bool IsExistSound(int number) = 0;
    virtual int GetNumof() = 0;
    virtual void* GetPointer() = 0;
    virtual const char* GetDataFileName() = 0;
    virtual const char* GetLinkFileName() = 0;
};

class IVLTFileManager : public IInterface {
public:
    virtual IVLTFile* GetVLTFile(int type) = 0;  // owned reference, or null
};
