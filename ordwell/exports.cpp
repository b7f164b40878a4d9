// The exports: each converts its script arguments, does the work through the platform's file
// system and answers 0 or 1. Nothing is kept between calls and no exception leaves an export.
#include "ordwell/exports.h"

#include <cstdint>

#include "ordwell/create_folder.h"
#include "ordwell/delete_folder.h"
#include "ordwell/listing.h"
#include "ordwell/script_path.h"
#include "platform/file_system.h"

namespace ordwell {
namespace {

using platform::FileError;

template <class Work>
int guarded(Work work) {
    try {
        return work() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

// The size query's error value: a size of all 32 bits set cannot be told from a failure, and a
// larger size does not fit, so both answer false rather than a wrong number.
constexpr uint64_t kSizeErrorValue = 0xFFFFFFFFu;

enum class Stamp { kCreation, kLastAccess, kLastWrite };

bool file_size(IString* path, int* size) {
    if (!size) return false;
    *size = 0;
    const auto host = host_path_of(path);
    if (!host) return false;
    platform::EntryInfo info;
    if (platform::file_system().open_file_info(*host, info) != FileError::kNone) return false;
    if (info.size >= kSizeErrorValue) return false;
    *size = static_cast<int>(static_cast<uint32_t>(info.size));
    return true;
}

// The seven references in argument order: year, month, day, day of week, hour, minute, second.
bool file_time(Stamp stamp, IString* path, int* const (&fields)[7]) {
    bool all_given = true;
    for (int* field : fields) {
        if (field) *field = 0;
        else all_given = false;
    }
    if (!all_given) return false;
    const auto host = host_path_of(path);
    if (!host) return false;
    platform::EntryInfo info;
    if (platform::file_system().open_file_info(*host, info) != FileError::kNone) return false;
    const platform::FileTime& time = stamp == Stamp::kCreation     ? info.creation
                                     : stamp == Stamp::kLastAccess ? info.last_access
                                                                   : info.last_write;
    const auto local = platform::to_local_time(time);
    if (!local) return false;
    const int values[7] = {local->year, local->month, local->day, local->day_of_week,
                           local->hour, local->minute, local->second};
    for (int i = 0; i < 7; ++i) *fields[i] = values[i];
    return true;
}

bool entry_test(IString* path, bool want_folder) {
    const auto host = host_path_of(path);
    return host && (want_folder ? platform::is_folder(*host) : platform::is_file(*host));
}

bool list(IString* folder, IArray* names, Listing which) {
    const auto host = host_path_of(folder);
    if (!host || !names) return false;
    return store_names(*names, list_names(*host, which));
}

}  // namespace
}  // namespace ordwell

using ordwell::guarded;
using ordwell::Listing;
using ordwell::Stamp;

int ExistFile(IString* path) {
    return guarded([&] { return ordwell::entry_test(path, false); });
}

int ExistFolder(IString* path) {
    return guarded([&] { return ordwell::entry_test(path, true); });
}

int GetFileSize(IString* path, int* size) {
    return guarded([&] { return ordwell::file_size(path, size); });
}

int GetFileCreationTime(IString* path, int* year, int* month, int* day, int* day_of_week, int* hour,
                        int* minute, int* second) {
    return guarded([&] {
        return ordwell::file_time(Stamp::kCreation, path, {year, month, day, day_of_week, hour, minute, second});
    });
}

int GetFileLastAccessTime(IString* path, int* year, int* month, int* day, int* day_of_week, int* hour,
                          int* minute, int* second) {
    return guarded([&] {
        return ordwell::file_time(Stamp::kLastAccess, path, {year, month, day, day_of_week, hour, minute, second});
    });
}

int GetFileLastWriteTime(IString* path, int* year, int* month, int* day, int* day_of_week, int* hour,
                         int* minute, int* second) {
    return guarded([&] {
        return ordwell::file_time(Stamp::kLastWrite, path, {year, month, day, day_of_week, hour, minute, second});
    });
}

int CopyFile(IString* destination, IString* source) {
    return guarded([&] {
        const auto to = ordwell::host_path_of(destination);
        const auto from = ordwell::host_path_of(source);
        return to && from && platform::file_system().copy_file(*from, *to) == platform::FileError::kNone;
    });
}

int DeleteFile(IString* path) {
    return guarded([&] {
        const auto host = ordwell::host_path_of(path);
        return host && platform::file_system().delete_file(*host) == platform::FileError::kNone;
    });
}

int CreateFolder(IString* path) {
    return guarded([&] {
        const auto host = ordwell::host_path_of(path);
        return host && ordwell::create_folder_with_parents(*host);
    });
}

int DeleteFolder(IString* path) {
    return guarded([&] {
        const auto host = ordwell::host_path_of(path);
        return host && ordwell::delete_folder_tree(*host);
    });
}

int GetFileList(IString* folder, IArray* names) {
    return guarded([&] { return ordwell::list(folder, names, Listing::kFiles); });
}

int GetFolderList(IString* folder, IArray* names) {
    return guarded([&] { return ordwell::list(folder, names, Listing::kFolders); });
}
