#pragma once
// Where an archive's bytes come from: a file kept open between reads, or bytes already in memory
// (the fuzz targets and tests). Reads name an absolute offset and are all-or-nothing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace dawnsigil::archive {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t size() const = 0;
    // Exactly `count` bytes from `offset`; false on a short read or an offset past the end.
    virtual bool read_at(uint64_t offset, void* out, size_t count) = 0;
};

// Opens a file for reading (others may read it too); null when it cannot be opened.
std::unique_ptr<ByteSource> open_file_source(const char* path);
std::unique_ptr<ByteSource> memory_source(std::vector<uint8_t> bytes);

}  // namespace dawnsigil::archive
