#include "dawnsigil/archive/mrl_archive.h"

#include <cstring>

#include "dawnsigil/archive/bytes.h"

namespace dawnsigil::archive {

OpenStatus MrlArchive::open(const char* path) {
    close();
    std::unique_ptr<ByteSource> source = open_file_source(path);
    if (!source) return OpenStatus::kCannotOpen;
    return open(std::move(source));
}

OpenStatus MrlArchive::open(std::unique_ptr<ByteSource> source) {
    close();
    if (!source) return OpenStatus::kCannotOpen;
    uint8_t header[8];
    if (!source->read_at(0, header, sizeof header)) return OpenStatus::kShortHeader;
    if (std::memcmp(header, "MRL0", 4) != 0) return OpenStatus::kBadMagic;
    const int32_t count = read_i32(header + 4);
    if (count <= 0) return OpenStatus::kNoEntries;
    // The table must lie inside the file before anything is allocated for it: a forged count
    // could otherwise ask for gigabytes.
    const uint64_t table_bytes = uint64_t(count) * 8;
    if (table_bytes > source->size() - 8) return OpenStatus::kShortTable;
    std::vector<uint8_t> table(table_bytes);
    if (!source->read_at(8, table.data(), table.size())) return OpenStatus::kShortTable;
    entries_.resize(count);
    for (int32_t i = 0; i < count; ++i)
        entries_[i] = Entry{read_u32(&table[size_t(i) * 8]), read_u32(&table[size_t(i) * 8 + 4])};
    source_ = std::move(source);
    return OpenStatus::kOk;
}

void MrlArchive::close() {
    source_.reset();
    entries_.clear();
}

bool MrlArchive::read_entry(int index, std::vector<uint8_t>& out) {
    if (!source_ || index < 0 || index >= count()) return false;
    const Entry& e = entries_[index];
    if (e.size == 0 || uint64_t(e.offset) + e.size > source_->size()) return false;
    std::vector<uint8_t> bytes(e.size);
    if (!source_->read_at(e.offset, bytes.data(), bytes.size())) return false;
    out = std::move(bytes);
    return true;
}

}  // namespace dawnsigil::archive
