// The archive reader: header, count, table and every entry it lists.
#include <cstdint>
#include <vector>

#include "dawnsigil/archive/mrl_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dawnsigil::archive::MrlArchive archive;
    if (archive.open(dawnsigil::archive::memory_source(std::vector<uint8_t>(data, data + size))) !=
        dawnsigil::archive::OpenStatus::kOk)
        return 0;
    std::vector<uint8_t> entry;
    for (int i = -1; i <= archive.count() && i < 1024; ++i) archive.read_entry(i, entry);
    return 0;
}
