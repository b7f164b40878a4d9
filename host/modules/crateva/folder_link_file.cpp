#include "folder_link_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/faults.h"
#include "host/memory_block.h"

namespace host {

FolderLinkFile::FolderLinkFile(const std::string& folder, const std::string& type_name)
    : RefCounted("IVLTFile." + type_name), data_name_(folder + "/" + type_name + ".dat"),
      link_name_(folder + "/" + type_name + ".vlt") {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const std::string stem = entry.path().stem().string();
        if (stem.empty() || stem.size() > 9 || stem.find_first_not_of("0123456789") != std::string::npos) continue;
        entries_.emplace(std::stoi(stem), entry.path().string());
    }
}

IMemory* FolderLinkFile::Load(int number) {
    auto it = entries_.find(number);
    if (it == entries_.end() || platform::should_fail("IVLTFile.Load")) return nullptr;
    std::ifstream in(it->second, std::ios::binary);
    if (!in) return nullptr;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return new MemoryBlock(std::move(bytes));
}

}  // namespace host
