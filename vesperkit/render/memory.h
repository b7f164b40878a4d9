#pragma once
// The engine's own byte block: a whole file read from disk, for instance.
#include <cstdint>
#include <vector>

#include "interfaces/memory.h"
#include "vesperkit/frame/ref_counted.h"

class CMemory final : public vesperkit::RefCounted<IMemory> {
public:
    // Replaces the bytes by size zero bytes. False, keeping the old bytes, when size is negative
    // or memory runs out.
    bool Allocate(int size);
    // Changes the size, keeping the bytes that remain and zeroing new ones. False, keeping the old
    // bytes, when size is negative or memory runs out.
    bool Resize(int size);
    // Takes the bytes over whole (a file just read); false when there are more than an int counts.
    bool Assign(std::vector<uint8_t>&& bytes);
    void Free();
    int GetSize() override { return static_cast<int>(bytes_.size()); }
    void* GetBuffer() override { return bytes_.empty() ? nullptr : bytes_.data(); }
    void Destroy() { delete this; }

private:
    ~CMemory() override = default;
    std::vector<uint8_t> bytes_;
};
