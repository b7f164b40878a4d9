#pragma once
#include <string>
#include <vector>

#include "host/ref_counted.h"
#include "interfaces/memory.h"

namespace host {

class MemoryBlock : public RefCounted<IMemory> {
public:
    explicit MemoryBlock(std::vector<uint8_t> bytes, std::string name = "IMemory")
        : RefCounted(std::move(name)), bytes_(std::move(bytes)) {}
    int GetSize() override { return static_cast<int>(bytes_.size()); }
    void* GetBuffer() override { return bytes_.empty() ? nullptr : bytes_.data(); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace host
