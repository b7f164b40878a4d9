#pragma once
// A link file backed by a folder: entry n is the file whose name, without its extension, is the
// decimal number n (e.g. cg/1200.png).
#include <map>
#include <string>

#include "host/ref_counted.h"
#include "interfaces/link_file.h"

namespace host {

class FolderLinkFile : public RefCounted<IVLTFile> {
public:
    FolderLinkFile(const std::string& folder, const std::string& type_name);

    IMemory* Load(int number) override;
    bool IsExist(int number) override { return entries_.count(number) != 0; }
    bool IsExistSound(int number) override { return IsExist(number); }
    int GetNumof() override { return static_cast<int>(entries_.size()); }
    void* GetPointer() override { return nullptr; }
    const char* GetDataFileName() override { return data_name_.c_str(); }
    const char* GetLinkFileName() override { return link_name_.c_str(); }

private:
    std::map<int, std::string> entries_;  // number -> file path
    std::string data_name_, link_name_;
};

}  // namespace host
