#include "vesperkit/render/memory.h"

#include <climits>
#include <new>

#include "platform/faults.h"

bool CMemory::Allocate(int size) {
    if (size < 0 || platform::should_fail("Vesperkit.CMemory.Allocate")) return false;
    try {
        std::vector<uint8_t> fresh(static_cast<size_t>(size), 0);
        bytes_.swap(fresh);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CMemory::Resize(int size) {
    if (size < 0 || platform::should_fail("Vesperkit.CMemory.Allocate")) return false;
    try {
        bytes_.resize(static_cast<size_t>(size), 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CMemory::Assign(std::vector<uint8_t>&& bytes) {
    if (bytes.size() > static_cast<size_t>(INT_MAX)) return false;
    bytes_ = std::move(bytes);
    return true;
}

void CMemory::Free() { std::vector<uint8_t>().swap(bytes_); }
