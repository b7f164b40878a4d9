#pragma once
// The logo's link archives: "MRL0", a positive entry count, then per entry its offset from the
// start of the file and its size (both u32, little-endian); entries are addressed by index. The
// table is checked against the file when it is read and each entry when it is read, so a damaged
// archive can make a read fail but never makes one reach outside the file.
#include <cstdint>
#include <memory>
#include <vector>

#include "dawnsigil/archive/byte_source.h"

namespace dawnsigil::archive {

enum class OpenStatus {
    kOk,
    kCannotOpen,   // no file
    kShortHeader,  // fewer than 8 bytes
    kBadMagic,     // not "MRL0"
    kNoEntries,    // count 0 or less
    kShortTable,   // the file ends inside the table
};

class MrlArchive {
public:
    // Any archive open before is closed first.
    OpenStatus open(const char* path);
    OpenStatus open(std::unique_ptr<ByteSource> source);
    void close();

    bool is_open() const { return source_ != nullptr; }
    int count() const { return static_cast<int>(entries_.size()); }

    // The whole entry; false for an index outside the table, an entry of size 0 or one that does
    // not lie inside the file, and a short read. `out` is left alone on failure.
    bool read_entry(int index, std::vector<uint8_t>& out);

private:
    struct Entry {
        uint32_t offset;
        uint32_t size;
    };
    std::unique_ptr<ByteSource> source_;
    std::vector<Entry> entries_;
};

}  // namespace dawnsigil::archive
