#pragma once
// Files and folders: existence and attributes, sizes, time stamps, whole-file reads and writes,
// copy, delete, folder creation and removal, folder listings.
//
// Paths are host paths (platform::host_path turns a script path into one); names are the bytes the
// file system stores, which scripts read as their ANSI code page. Everything goes through the file
// system in force, so a test can put a fake or a decorator in front of the real one.
//
// The Windows rules the scripts were written against are kept where Linux differs:
// - read-only means the owner's write bit is clear, and deleting or replacing such a file fails
//   even for a process that the system would let do it (root);
// - a replaced file is never left half written: copies and writes go to a temporary file beside
//   the destination, which is renamed over it only once complete;
// - opening a folder as a file fails.
//
// Fault points of the system file system: "file_system.write" (a copy or write fails after its
// first block is written), "file_system.rename" (the finished temporary file cannot replace the
// destination), "file_system.close" (closing a file opened for a query fails).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace platform {

enum class FileError {
    kNone,
    kFileNotFound,     // the entry or a folder on its path does not exist
    kFileExists,       // creating something that is already there
    kFileNotRegular,   // a device, pipe or socket where a regular file is needed
    kFileReadOnly,     // the owner's write bit is clear
    kFileIsFolder,     // a folder where a file is needed
    kPathNotFolder,    // something else where a folder is needed
    kFolderNotEmpty,
    kFileSame,         // source and destination of a copy are one file
    kAccessDenied,     // the system refused
    kIoFailed,         // any other failure of the system
};

// Folders are folders; everything else (files, devices, pipes) is a file, as Windows counts them.
// Symbolic links appear as kLink only where links are not followed.
enum class EntryKind { kFile, kFolder, kLink };

// A time stamp: seconds and nanoseconds since 1970-01-01 00:00:00 UTC.
struct FileTime {
    int64_t seconds = 0;
    uint32_t nanoseconds = 0;
    friend bool operator==(const FileTime&, const FileTime&) = default;
};

// What makes two paths one file: hard links and aliases share it.
struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
    friend auto operator<=>(const FileId&, const FileId&) = default;
};

struct EntryInfo {
    EntryKind kind = EntryKind::kFile;
    bool read_only = false;  // the owner's write bit is clear
    uint64_t size = 0;       // bytes
    // Creation is the birth time where the file system keeps one, else the last status change.
    FileTime creation;
    FileTime last_access;
    FileTime last_write;
    FileId id;
};

struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::kFile;  // the entry itself: links are not followed
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The entry a path names, following symbolic links.
    virtual FileError entry_info(const std::string& path, EntryInfo& info) = 0;
    // The entry itself: a symbolic link is reported as kLink.
    virtual FileError link_info(const std::string& path, EntryInfo& info) = 0;
    // Opens the file for reading and asks the open file, as a handle-based query does: fails for a
    // folder (kFileIsFolder) and for a file that cannot be opened. Never waits on a pipe.
    virtual FileError open_file_info(const std::string& path, EntryInfo& info) = 0;

    // Whole regular files.
    virtual FileError read_file(const std::string& path, std::vector<uint8_t>& bytes) = 0;
    // Creates or replaces the file; an existing one keeps its permissions.
    virtual FileError write_file(const std::string& path, std::span<const uint8_t> bytes) = 0;
    // Copies a regular file, replacing the destination; the copy keeps the source's permissions
    // and last write time. Fails without touching anything when the destination is the source,
    // a folder or read-only.
    virtual FileError copy_file(const std::string& source, const std::string& destination) = 0;
    // Deletes a file or a symbolic link (never its target); not a folder, not a read-only file.
    virtual FileError delete_file(const std::string& path) = 0;

    // Creates one folder; its parent must exist.
    virtual FileError create_folder(const std::string& path) = 0;
    // Removes an empty folder; not a symbolic link to one, not a read-only one.
    virtual FileError remove_folder(const std::string& path) = 0;
    // The entries of a folder, without "." and "..", in no particular order.
    virtual FileError list_folder(const std::string& path, std::vector<FolderEntry>& entries) = 0;
};

// The operating system's file system.
class SystemFileSystem : public FileSystem {
public:
    FileError entry_info(const std::string& path, EntryInfo& info) override;
    FileError link_info(const std::string& path, EntryInfo& info) override;
    FileError open_file_info(const std::string& path, EntryInfo& info) override;
    FileError read_file(const std::string& path, std::vector<uint8_t>& bytes) override;
    FileError write_file(const std::string& path, std::span<const uint8_t> bytes) override;
    FileError copy_file(const std::string& source, const std::string& destination) override;
    FileError delete_file(const std::string& path) override;
    FileError create_folder(const std::string& path) override;
    FileError remove_folder(const std::string& path) override;
    FileError list_folder(const std::string& path, std::vector<FolderEntry>& entries) override;
};

// The file system in force (the system's unless one was set). set_file_system(nullptr) restores it.
FileSystem& file_system();
void set_file_system(FileSystem* file_system);

// Does the path name a folder (following links)? An existing entry that is not a folder?
bool is_folder(const std::string& path);
bool is_file(const std::string& path);

// A time stamp as calendar fields in the process's time zone, with the zone's rules at that
// instant; nothing when it lies outside the calendar the system can express.
std::optional<LocalTime> to_local_time(const FileTime& time);

}  // namespace platform
