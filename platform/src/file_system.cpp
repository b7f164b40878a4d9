#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <limits>
#include <new>

#include "platform/faults.h"

namespace platform {
namespace {

// Copies and reads move this many bytes per system call.
constexpr size_t kBlockBytes = 64 * 1024;
// A temporary file's name carries at most this many bytes of the destination's name, so that the
// decorated name stays within the file system's limit of 255 bytes.
constexpr size_t kTempBaseBytes = 128;
constexpr int kTempAttempts = 100;

FileError from_errno(int error) {
    switch (error) {
    case ENOENT: return FileError::kFileNotFound;
    case ENOTDIR: return FileError::kPathNotFolder;
    case EEXIST: return FileError::kFileExists;
    case ENOTEMPTY: return FileError::kFolderNotEmpty;
    case EISDIR: return FileError::kFileIsFolder;
    case EACCES:
    case EPERM:
    case EROFS: return FileError::kAccessDenied;
    default: return FileError::kIoFailed;
    }
}

// A descriptor closed on every path out; close() reports the one failure that matters to a writer.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_ = -1;
};

EntryKind kind_of(mode_t mode) {
    if (S_ISDIR(mode)) return EntryKind::kFolder;
    if (S_ISLNK(mode)) return EntryKind::kLink;
    return EntryKind::kFile;
}

FileTime file_time(const struct statx_timestamp& t) { return {t.tv_sec, t.tv_nsec}; }
FileTime file_time(const struct timespec& t) { return {t.tv_sec, static_cast<uint32_t>(t.tv_nsec)}; }

// stat in every form: dir_fd + path, flags AT_SYMLINK_NOFOLLOW or AT_EMPTY_PATH. statx gives the
// birth time; where it is missing (old kernels, sandboxes) the classic call stands in.
FileError query(int dir_fd, const char* path, int flags, EntryInfo& info) {
    struct statx sx {};
    if (::statx(dir_fd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) == 0) {
        info.kind = kind_of(sx.stx_mode);
        info.read_only = info.kind != EntryKind::kLink && (sx.stx_mode & S_IWUSR) == 0;
        info.size = sx.stx_size;
        info.last_access = file_time(sx.stx_atime);
        info.last_write = file_time(sx.stx_mtime);
        info.creation = (sx.stx_mask & STATX_BTIME) ? file_time(sx.stx_btime) : file_time(sx.stx_ctime);
        info.id = {makedev(sx.stx_dev_major, sx.stx_dev_minor), sx.stx_ino};
        return FileError::kNone;
    }
    if (errno != ENOSYS) return from_errno(errno);
    struct stat st {};
    if (::fstatat(dir_fd, path, &st, flags) != 0) return from_errno(errno);
    info.kind = kind_of(st.st_mode);
    info.read_only = info.kind != EntryKind::kLink && (st.st_mode & S_IWUSR) == 0;
    info.size = static_cast<uint64_t>(st.st_size);
    info.last_access = file_time(st.st_atim);
    info.last_write = file_time(st.st_mtim);
    info.creation = file_time(st.st_ctim);
    info.id = {st.st_dev, st.st_ino};
    return FileError::kNone;
}

// Opens for reading without waiting: a pipe without a writer or a terminal must not block a query.
FileError open_for_reading(const std::string& path, Descriptor& fd) {
    fd = Descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    return fd.valid() ? FileError::kNone : from_errno(errno);
}

FileError open_regular(const std::string& path, Descriptor& fd, struct stat& st) {
    if (FileError e = open_for_reading(path, fd); e != FileError::kNone) return e;
    if (::fstat(fd.get(), &st) != 0) return from_errno(errno);
    if (S_ISDIR(st.st_mode)) return FileError::kFileIsFolder;
    if (!S_ISREG(st.st_mode)) return FileError::kFileNotRegular;
    return FileError::kNone;
}

FileError write_all(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return from_errno(errno);
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return FileError::kNone;
}

// One block of a copy or write has gone out; the fault point fails the work at this point, with a
// partly written temporary file, as a full disk would.
FileError block_written() { return should_fail("file_system.write") ? FileError::kIoFailed : FileError::kNone; }

// What may be replaced: nothing (absent), or a regular file that is not read-only. Devices and
// pipes are refused because renaming over them would swap the node itself for a plain file.
FileError check_replaceable(const std::string& destination, bool& exists, struct stat& st) {
    exists = false;
    if (::stat(destination.c_str(), &st) != 0) return errno == ENOENT ? FileError::kNone : from_errno(errno);
    exists = true;
    if (S_ISDIR(st.st_mode)) return FileError::kFileIsFolder;
    if (!S_ISREG(st.st_mode)) return FileError::kFileNotRegular;
    if ((st.st_mode & S_IWUSR) == 0) return FileError::kFileReadOnly;
    return FileError::kNone;
}

// A file beside the destination that becomes it by rename; removed again unless it was committed.
class TempFile {
public:
    ~TempFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    // Mode 0666 lets the process's umask decide the permissions of a new file.
    FileError create_beside(const std::string& destination) {
        static std::atomic<uint64_t> counter{0};
        const size_t slash = destination.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string() : destination.substr(0, slash + 1);
        std::string base = slash == std::string::npos ? destination : destination.substr(slash + 1);
        base.resize(std::min(base.size(), kTempBaseBytes));
        for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
            std::string candidate = folder + "." + base + "." + std::to_string(::getpid()) + "." +
                                    std::to_string(counter.fetch_add(1)) + ".tmp";
            fd_ = Descriptor(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
            if (fd_.valid()) {
                path_ = std::move(candidate);
                return FileError::kNone;
            }
            if (errno != EEXIST) return from_errno(errno);
        }
        return FileError::kIoFailed;
    }

    int fd() const { return fd_.get(); }

    // Flushes, closes and renames over the destination; on failure the temporary file goes.
    FileError commit(const std::string& destination) {
        if (::fsync(fd_.get()) != 0) return from_errno(errno);
        if (!fd_.close()) return from_errno(errno);
        if (should_fail("file_system.rename")) return FileError::kIoFailed;
        if (::rename(path_.c_str(), destination.c_str()) != 0) return from_errno(errno);
        path_.clear();
        return FileError::kNone;
    }

private:
    std::string path_;
    Descriptor fd_;
};

std::atomic<FileSystem*> installed{nullptr};

}  // namespace

FileError SystemFileSystem::entry_info(const std::string& path, EntryInfo& info) {
    return query(AT_FDCWD, path.c_str(), 0, info);
}

FileError SystemFileSystem::link_info(const std::string& path, EntryInfo& info) {
    return query(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, info);
}

FileError SystemFileSystem::open_file_info(const std::string& path, EntryInfo& info) {
    Descriptor fd;
    if (FileError e = open_for_reading(path, fd); e != FileError::kNone) return e;
    EntryInfo read;
    if (FileError e = query(fd.get(), "", AT_EMPTY_PATH, read); e != FileError::kNone) return e;
    if (read.kind == EntryKind::kFolder) return FileError::kFileIsFolder;
    if (!fd.close() || should_fail("file_system.close")) return FileError::kIoFailed;
    info = read;
    return FileError::kNone;
}

FileError SystemFileSystem::read_file(const std::string& path, std::vector<uint8_t>& bytes) {
    Descriptor fd;
    struct stat st {};
    if (FileError e = open_regular(path, fd, st); e != FileError::kNone) return e;
    std::vector<uint8_t> read;
    try {
        read.reserve(static_cast<size_t>(st.st_size));
        for (;;) {
            const size_t used = read.size();
            read.resize(used + kBlockBytes);
            const ssize_t got = ::read(fd.get(), read.data() + used, kBlockBytes);
            if (got < 0 && errno == EINTR) {
                read.resize(used);
                continue;
            }
            if (got < 0) return from_errno(errno);
            read.resize(used + static_cast<size_t>(got));
            if (got == 0) break;
        }
    } catch (const std::bad_alloc&) {
        return FileError::kIoFailed;
    }
    bytes = std::move(read);
    return FileError::kNone;
}

FileError SystemFileSystem::write_file(const std::string& path, std::span<const uint8_t> bytes) {
    bool exists = false;
    struct stat existing {};
    if (FileError e = check_replaceable(path, exists, existing); e != FileError::kNone) return e;
    TempFile temp;
    if (FileError e = temp.create_beside(path); e != FileError::kNone) return e;
    for (size_t offset = 0; offset < bytes.size(); offset += kBlockBytes) {
        const size_t block = std::min(kBlockBytes, bytes.size() - offset);
        if (FileError e = write_all(temp.fd(), bytes.data() + offset, block); e != FileError::kNone) return e;
        if (FileError e = block_written(); e != FileError::kNone) return e;
    }
    if (exists && ::fchmod(temp.fd(), existing.st_mode & 07777) != 0) return from_errno(errno);
    return temp.commit(path);
}

FileError SystemFileSystem::copy_file(const std::string& source, const std::string& destination) {
    Descriptor in;
    struct stat from {};
    if (FileError e = open_regular(source, in, from); e != FileError::kNone) return e;
    bool exists = false;
    struct stat to {};
    const FileError replaceable = check_replaceable(destination, exists, to);
    // Checked first: a read-only source copied onto itself is the same file, not a read-only target.
    if (exists && to.st_dev == from.st_dev && to.st_ino == from.st_ino) return FileError::kFileSame;
    if (replaceable != FileError::kNone) return replaceable;

    TempFile temp;
    if (FileError e = temp.create_beside(destination); e != FileError::kNone) return e;
    std::vector<uint8_t> block(kBlockBytes);
    for (;;) {
        const ssize_t got = ::read(in.get(), block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return from_errno(errno);
        if (got == 0) break;
        if (FileError e = write_all(temp.fd(), block.data(), static_cast<size_t>(got)); e != FileError::kNone)
            return e;
        if (FileError e = block_written(); e != FileError::kNone) return e;
    }
    if (::fchmod(temp.fd(), from.st_mode & 07777) != 0) return from_errno(errno);
    const struct timespec times[2] = {{0, UTIME_NOW}, from.st_mtim};
    if (::futimens(temp.fd(), times) != 0) return from_errno(errno);
    return temp.commit(destination);
}

FileError SystemFileSystem::delete_file(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return from_errno(errno);
    if (S_ISDIR(st.st_mode)) return FileError::kFileIsFolder;
    if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) return FileError::kFileReadOnly;
    return ::unlink(path.c_str()) == 0 ? FileError::kNone : from_errno(errno);
}

FileError SystemFileSystem::create_folder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0 ? FileError::kNone : from_errno(errno);
}

FileError SystemFileSystem::remove_folder(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return from_errno(errno);
    if (!S_ISDIR(st.st_mode)) return FileError::kPathNotFolder;
    if ((st.st_mode & S_IWUSR) == 0) return FileError::kFileReadOnly;
    if (::rmdir(path.c_str()) == 0) return FileError::kNone;
    return errno == EEXIST ? FileError::kFolderNotEmpty : from_errno(errno);
}

FileError SystemFileSystem::list_folder(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return from_errno(errno);
    FileError result = FileError::kNone;
    try {
        for (;;) {
            errno = 0;
            const struct dirent* entry = ::readdir(dir);
            if (!entry) {
                if (errno != 0) result = from_errno(errno);
                break;
            }
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            EntryKind kind = EntryKind::kFile;
            if (entry->d_type == DT_DIR) {
                kind = EntryKind::kFolder;
            } else if (entry->d_type == DT_LNK) {
                kind = EntryKind::kLink;
            } else if (entry->d_type == DT_UNKNOWN) {
                // Some file systems do not fill in the type; ask the entry itself.
                struct stat st {};
                if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
                kind = kind_of(st.st_mode);
            }
            entries.push_back({name, kind});
        }
    } catch (const std::bad_alloc&) {
        result = FileError::kIoFailed;
    }
    ::closedir(dir);
    if (result != FileError::kNone) entries.clear();
    return result;
}

FileSystem& file_system() {
    static SystemFileSystem* system = new SystemFileSystem;
    FileSystem* fs = installed.load();
    return fs ? *fs : *system;
}

void set_file_system(FileSystem* fs) { installed.store(fs); }

bool is_folder(const std::string& path) {
    EntryInfo info;
    return file_system().entry_info(path, info) == FileError::kNone && info.kind == EntryKind::kFolder;
}

bool is_file(const std::string& path) {
    EntryInfo info;
    return file_system().entry_info(path, info) == FileError::kNone && info.kind != EntryKind::kFolder;
}

std::optional<LocalTime> to_local_time(const FileTime& time) {
    if (time.seconds < std::numeric_limits<time_t>::min() || time.seconds > std::numeric_limits<time_t>::max())
        return std::nullopt;
    const time_t seconds = static_cast<time_t>(time.seconds);
    // localtime_r reads the zone only once per process; tzset picks up a zone changed since.
    ::tzset();
    struct tm tm {};
    if (!::localtime_r(&seconds, &tm) || tm.tm_year > std::numeric_limits<int>::max() - 1900) return std::nullopt;
    LocalTime local;
    local.year = tm.tm_year + 1900;
    local.month = tm.tm_mon + 1;
    local.day_of_week = tm.tm_wday;
    local.day = tm.tm_mday;
    local.hour = tm.tm_hour;
    local.minute = tm.tm_min;
    local.second = tm.tm_sec;
    local.milliseconds = static_cast<int>(time.nanoseconds / 1000000);
    return local;
}

}  // namespace platform
