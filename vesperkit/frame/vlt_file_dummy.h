#pragma once
// Stands in for a link file the link-file manager does not have: every request finds nothing.
#include <string>

#include "interfaces/link_file.h"
#include "vesperkit/frame/ref_counted.h"

class CVLTFileDummy : public vesperkit::RefCounted<IVLTFile> {
public:
    explicit CVLTFileDummy(const char* type_name)
        : data_name_(std::string("dummy_") + type_name + ".dat"), link_name_(std::string("dummy_") + type_name + ".vlt") {}
    IMemory* Load(int) override { return nullptr; }
    bool IsExist(int) override { return false; }
    bool IsExistSound(int) override { return false; }
    int GetNumof() override { return 0; }
    void* GetPointer() override { return nullptr; }
    const char* GetDataFileName() override { return data_name_.c_str(); }
    const char* GetLinkFileName() override { return link_name_.c_str(); }

private:
    std::string data_name_, link_name_;
};
