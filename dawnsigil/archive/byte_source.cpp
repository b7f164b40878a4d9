#include "dawnsigil/archive/byte_source.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace dawnsigil::archive {
namespace {

class FileSource : public ByteSource {
public:
    FileSource(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
    ~FileSource() override { std::fclose(file_); }
    uint64_t size() const override { return size_; }
    bool read_at(uint64_t offset, void* out, size_t count) override {
        if (offset > size_ || count > size_ - offset) return false;
        if (offset > static_cast<uint64_t>(LONG_MAX) || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
            return false;
        return std::fread(out, 1, count, file_) == count;
    }

private:
    std::FILE* file_;
    uint64_t size_;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint64_t size() const override { return bytes_.size(); }
    bool read_at(uint64_t offset, void* out, size_t count) override {
        if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
        if (count) std::memcpy(out, bytes_.data() + offset, count);
        return true;
    }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::unique_ptr<ByteSource> open_file_source(const char* path) {
    // A folder opens as a file here, not where the archives were made: refuse it the same way.
    std::error_code ec;
    if (!path || std::filesystem::is_directory(path, ec)) return nullptr;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return nullptr;
    long end = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) end = std::ftell(file);
    if (end < 0) {  // a folder or a stream without a size
        std::fclose(file);
        return nullptr;
    }
    return std::make_unique<FileSource>(file, static_cast<uint64_t>(end));
}

std::unique_ptr<ByteSource> memory_source(std::vector<uint8_t> bytes) {
    return std::make_unique<MemorySource>(std::move(bytes));
}

}  // namespace dawnsigil::archive
