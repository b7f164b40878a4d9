#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "platform/faults.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"
#include "support/time_zone.h"

namespace {

using platform::EntryInfo;
using platform::EntryKind;
using platform::FileError;

class FileSystemTest : public ::testing::Test {
protected:
    ~FileSystemTest() override { platform::heal_all(); }

    platform::FileSystem& fs() { return platform::file_system(); }
    std::string at(const std::string& name) const { return dir_ / name; }

    void write(const std::string& name, const std::string& content, mode_t mode = 0644) {
        std::ofstream(at(name), std::ios::binary) << content;
        ASSERT_EQ(::chmod(at(name).c_str(), mode), 0);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void folder(const std::string& name, mode_t mode = 0755) {
        ASSERT_EQ(::mkdir(at(name).c_str(), 0755), 0);
        ASSERT_EQ(::chmod(at(name).c_str(), mode), 0);
    }
    void link(const std::string& target, const std::string& name) {
        ASSERT_EQ(::symlink(target.c_str(), at(name).c_str()), 0);
    }
    void fifo(const std::string& name) { ASSERT_EQ(::mkfifo(at(name).c_str(), 0644), 0); }
    mode_t mode(const std::string& name) const {
        struct stat st {};
        return ::lstat(at(name).c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    // Everything in the test's folder, so a leftover temporary file shows.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir_.path())) out.insert(e.path().filename());
        return out;
    }
    static std::string pattern(size_t size) {
        std::string s(size, '\0');
        for (size_t i = 0; i < size; ++i) s[i] = static_cast<char>(i * 131 + i / 251);
        return s;
    }

    test_support::TempDir dir_;
};

// What each call reports for each kind of entry: links followed or not, and the two shortcuts.
TEST_F(FileSystemTest, EntriesAreClassifiedWithAndWithoutFollowingLinks) {
    write("file", "x");
    folder("folder");
    link("file", "link_to_file");
    link("folder", "link_to_folder");
    link("missing", "dangling");
    fifo("pipe");
    struct Case {
        const char* name;
        FileError followed_error;
        EntryKind followed;
        EntryKind itself;
        bool is_file, is_folder;
    };
    const Case cases[] = {
        {"file", FileError::kNone, EntryKind::kFile, EntryKind::kFile, true, false},
        {"folder", FileError::kNone, EntryKind::kFolder, EntryKind::kFolder, false, true},
        {"link_to_file", FileError::kNone, EntryKind::kFile, EntryKind::kLink, true, false},
        {"link_to_folder", FileError::kNone, EntryKind::kFolder, EntryKind::kLink, false, true},
        {"dangling", FileError::kFileNotFound, EntryKind::kFile, EntryKind::kLink, false, false},
        {"pipe", FileError::kNone, EntryKind::kFile, EntryKind::kFile, true, false},
        {"folder/", FileError::kNone, EntryKind::kFolder, EntryKind::kFolder, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EntryInfo followed, itself;
        EXPECT_EQ(fs().entry_info(at(c.name), followed), c.followed_error);
        if (c.followed_error == FileError::kNone) {
            EXPECT_EQ(followed.kind, c.followed);
        }
        ASSERT_EQ(fs().link_info(at(c.name), itself), FileError::kNone);
        EXPECT_EQ(itself.kind, c.itself);
        EXPECT_EQ(platform::is_file(at(c.name)), c.is_file);
        EXPECT_EQ(platform::is_folder(at(c.name)), c.is_folder);
    }
    EntryInfo info;
    EXPECT_EQ(fs().entry_info(at("missing"), info), FileError::kFileNotFound);
    EXPECT_EQ(fs().entry_info(at("file/x"), info), FileError::kPathNotFolder);
    EXPECT_EQ(fs().entry_info("", info), FileError::kFileNotFound);
    EXPECT_FALSE(platform::is_file(""));
    EXPECT_FALSE(platform::is_folder(""));
}

TEST_F(FileSystemTest, ReadOnlyMeansTheOwnersWriteBitIsClear) {
    const struct {
        mode_t mode;
        bool read_only;
    } cases[] = {{0644, false}, {0200, false}, {0444, true}, {0077, true}, {0555, true}};
    for (const auto& c : cases) {
        write("f", "", c.mode);
        EntryInfo info;
        ASSERT_EQ(fs().entry_info(at("f"), info), FileError::kNone);
        EXPECT_EQ(info.read_only, c.read_only) << std::oct << c.mode;
        ASSERT_EQ(::chmod(at("f").c_str(), 0644), 0);
    }
    link("f", "l");
    EntryInfo link_itself;
    ASSERT_EQ(fs().link_info(at("l"), link_itself), FileError::kNone);
    EXPECT_FALSE(link_itself.read_only);
}

// Sizes are 64-bit: a sparse file beyond 4 GiB costs no disk.
TEST_F(FileSystemTest, SizesAndTimeStamps) {
    const uint64_t big = (uint64_t{5} << 30) + 7;
    {
        const int fd = ::open(at("big").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(big)), 0);
        ::close(fd);
    }
    const std::time_t before = std::time(nullptr);
    write("f", "12345");
    const std::time_t after = std::time(nullptr);
    const struct timespec times[2] = {{1000000000, 250000000}, {1234567890, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, at("f").c_str(), times, 0), 0);

    EntryInfo info;
    ASSERT_EQ(fs().entry_info(at("big"), info), FileError::kNone);
    EXPECT_EQ(info.size, big);
    ASSERT_EQ(fs().entry_info(at("f"), info), FileError::kNone);
    EXPECT_EQ(info.size, 5u);
    EXPECT_EQ(info.last_access, (platform::FileTime{1000000000, 250000000}));
    EXPECT_EQ(info.last_write, (platform::FileTime{1234567890, 500000000}));
    EXPECT_GE(info.creation.seconds, before);
    EXPECT_LE(info.creation.seconds, after);
}

TEST_F(FileSystemTest, HardLinksShareAnIdentityAndOtherFilesDoNot) {
    write("a", "x");
    write("b", "x");
    ASSERT_EQ(::link(at("a").c_str(), at("a2").c_str()), 0);
    EntryInfo a, a2, b;
    ASSERT_EQ(fs().entry_info(at("a"), a), FileError::kNone);
    ASSERT_EQ(fs().entry_info(at("a2"), a2), FileError::kNone);
    ASSERT_EQ(fs().entry_info(at("b"), b), FileError::kNone);
    EXPECT_EQ(a.id, a2.id);
    EXPECT_NE(a.id, b.id);
}

TEST_F(FileSystemTest, OpenFileInfoRefusesFoldersAndNeverWaitsOnAPipe) {
    write("f", "abc");
    folder("d");
    fifo("pipe");  // opening it for reading the ordinary way would wait for a writer
    EntryInfo info;
    ASSERT_EQ(fs().open_file_info(at("f"), info), FileError::kNone);
    EXPECT_EQ(info.size, 3u);
    EXPECT_EQ(fs().open_file_info(at("pipe"), info), FileError::kNone);
    EXPECT_EQ(fs().open_file_info(at("d"), info), FileError::kFileIsFolder);
    EXPECT_EQ(fs().open_file_info(at("missing"), info), FileError::kFileNotFound);

    EntryInfo untouched;
    untouched.size = 99;
    platform::fail("file_system.close");
    EXPECT_EQ(fs().open_file_info(at("f"), untouched), FileError::kIoFailed);
    EXPECT_EQ(untouched.size, 99u);
}

TEST_F(FileSystemTest, WholeFilesAreReadAndWritten) {
    const std::string content = pattern(200 * 1024 + 17);  // several blocks and a remainder
    const std::vector<uint8_t> bytes(content.begin(), content.end());
    ASSERT_EQ(fs().write_file(at("new"), bytes), FileError::kNone);
    EXPECT_EQ(read("new"), content);
    std::vector<uint8_t> back;
    ASSERT_EQ(fs().read_file(at("new"), back), FileError::kNone);
    EXPECT_EQ(back, bytes);

    write("old", "previous", 0640);
    ASSERT_EQ(fs().write_file(at("old"), bytes), FileError::kNone);
    EXPECT_EQ(read("old"), content);
    EXPECT_EQ(mode("old"), 0640u);  // a replaced file keeps its permissions

    write("empty", "");
    back = {1, 2};
    ASSERT_EQ(fs().read_file(at("empty"), back), FileError::kNone);
    EXPECT_TRUE(back.empty());
    EXPECT_EQ(names(), (std::set<std::string>{"new", "old", "empty"}));
}

// A write that cannot be done leaves what was there, and no temporary file behind.
TEST_F(FileSystemTest, FailedWritesLeaveTheDestinationAsItWas) {
    write("target", "original");
    write("locked", "keep", 0444);
    folder("d");
    fifo("pipe");
    const std::string content = pattern(150 * 1024);
    const std::vector<uint8_t> bytes(content.begin(), content.end());
    struct Case {
        const char* name;
        const char* fault;
        FileError error;
    };
    const Case cases[] = {
        {"target", "file_system.write", FileError::kIoFailed},   // after the first block
        {"target", "file_system.rename", FileError::kIoFailed},  // complete, but not in place
        {"locked", nullptr, FileError::kFileReadOnly},
        {"d", nullptr, FileError::kFileIsFolder},
        {"pipe", nullptr, FileError::kFileNotRegular},
        {"missing/x", nullptr, FileError::kFileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.fault) platform::fail(c.fault);
        EXPECT_EQ(fs().write_file(at(c.name), bytes), c.error);
        platform::heal_all();
    }
    EXPECT_EQ(read("target"), "original");
    EXPECT_EQ(read("locked"), "keep");
    EXPECT_EQ(names(), (std::set<std::string>{"target", "locked", "d", "pipe"}));

    std::vector<uint8_t> back;
    EXPECT_EQ(fs().read_file(at("d"), back), FileError::kFileIsFolder);
    EXPECT_EQ(fs().read_file(at("pipe"), back), FileError::kFileNotRegular);
    EXPECT_EQ(fs().read_file(at("missing"), back), FileError::kFileNotFound);
}

TEST_F(FileSystemTest, CopyReplacesTheDestinationAndKeepsModeAndWriteTime) {
    const std::string content = pattern(100 * 1024 + 3);
    write("source", content, 0640);
    const struct timespec times[2] = {{1300000000, 0}, {1400000000, 123000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, at("source").c_str(), times, 0), 0);
    write("dest", "older and longer content than nothing");

    for (const char* destination : {"dest", "fresh"}) {
        SCOPED_TRACE(destination);
        ASSERT_EQ(fs().copy_file(at("source"), at(destination)), FileError::kNone);
        EXPECT_EQ(read(destination), content);
        EXPECT_EQ(mode(destination), 0640u);
        EntryInfo info;
        ASSERT_EQ(fs().entry_info(at(destination), info), FileError::kNone);
        EXPECT_EQ(info.last_write, (platform::FileTime{1400000000, 123000000}));
    }
    // A read-only source gives a read-only copy, as the attribute travels with the file.
    ASSERT_EQ(::chmod(at("source").c_str(), 0444), 0);
    ASSERT_EQ(fs().copy_file(at("source"), at("copy_of_locked")), FileError::kNone);
    EXPECT_EQ(mode("copy_of_locked"), 0444u);
    EXPECT_EQ(read("source"), content);
    EXPECT_EQ(names(), (std::set<std::string>{"source", "dest", "fresh", "copy_of_locked"}));
}

// Every refused or failed copy leaves source and destination as they were, with no stray file.
TEST_F(FileSystemTest, FailedCopiesLeaveBothEndsIntact) {
    const std::string content = pattern(150 * 1024);
    write("source", content);
    write("dest", "original");
    write("locked", "keep", 0444);
    folder("d");
    fifo("pipe");
    link("source", "alias");
    ASSERT_EQ(::link(at("source").c_str(), at("hard").c_str()), 0);
    struct Case {
        const char* from;
        const char* to;
        const char* fault;
        FileError error;
    };
    const Case cases[] = {
        {"source", "dest", "file_system.write", FileError::kIoFailed},
        {"source", "dest", "file_system.rename", FileError::kIoFailed},
        {"source", "source", nullptr, FileError::kFileSame},
        {"source", "alias", nullptr, FileError::kFileSame},
        {"source", "hard", nullptr, FileError::kFileSame},
        {"source", "locked", nullptr, FileError::kFileReadOnly},
        {"source", "d", nullptr, FileError::kFileIsFolder},
        {"source", "pipe", nullptr, FileError::kFileNotRegular},
        {"source", "missing/x", nullptr, FileError::kFileNotFound},
        {"missing", "dest", nullptr, FileError::kFileNotFound},
        {"d", "dest", nullptr, FileError::kFileIsFolder},
        {"pipe", "dest", nullptr, FileError::kFileNotRegular},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        if (c.fault) platform::fail(c.fault);
        EXPECT_EQ(fs().copy_file(at(c.from), at(c.to)), c.error);
        platform::heal_all();
    }
    EXPECT_EQ(read("source"), content);
    EXPECT_EQ(read("dest"), "original");
    EXPECT_EQ(read("locked"), "keep");
    EXPECT_EQ(names(), (std::set<std::string>{"source", "dest", "locked", "d", "pipe", "alias", "hard"}));

    // A read-only file copied onto itself is the same file, not a read-only destination.
    ASSERT_EQ(::chmod(at("locked").c_str(), 0444), 0);
    EXPECT_EQ(fs().copy_file(at("locked"), at("locked")), FileError::kFileSame);
}

TEST_F(FileSystemTest, DeleteRemovesFilesAndLinksButNotFoldersOrReadOnlyFiles) {
    write("file", "x");
    write("locked", "x", 0444);
    folder("d");
    write("target", "stays");
    link("target", "link");
    link("missing", "dangling");
    ASSERT_EQ(::chmod(at("d").c_str(), 0755), 0);
    struct Case {
        const char* name;
        FileError error;
    };
    const Case cases[] = {
        {"file", FileError::kNone},     {"locked", FileError::kFileReadOnly},   {"d", FileError::kFileIsFolder},
        {"link", FileError::kNone},     {"dangling", FileError::kNone},         {"missing", FileError::kFileNotFound},
    };
    for (const Case& c : cases) EXPECT_EQ(fs().delete_file(at(c.name)), c.error) << c.name;
    EXPECT_EQ(names(), (std::set<std::string>{"locked", "d", "target"}));
    EXPECT_EQ(read("target"), "stays");
}

TEST_F(FileSystemTest, FoldersAreCreatedRemovedAndListed) {
    EXPECT_EQ(fs().create_folder(at("a")), FileError::kNone);
    EXPECT_EQ(fs().create_folder(at("a")), FileError::kFileExists);
    EXPECT_EQ(fs().create_folder(at("x/y")), FileError::kFileNotFound);
    EXPECT_EQ(fs().create_folder(""), FileError::kFileNotFound);

    write("a/file", "x");
    folder("a/sub");
    link("sub", "a/link");
    fifo("a/pipe");
    std::vector<platform::FolderEntry> entries;
    ASSERT_EQ(fs().list_folder(at("a"), entries), FileError::kNone);
    std::sort(entries.begin(), entries.end(), [](const auto& l, const auto& r) { return l.name < r.name; });
    ASSERT_EQ(entries.size(), 4u);
    const std::pair<const char*, EntryKind> expected[] = {
        {"file", EntryKind::kFile}, {"link", EntryKind::kLink}, {"pipe", EntryKind::kFile}, {"sub", EntryKind::kFolder}};
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].first);
        EXPECT_EQ(entries[i].kind, expected[i].second) << entries[i].name;
    }
    EXPECT_EQ(fs().list_folder(at("a/file"), entries), FileError::kPathNotFolder);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(fs().list_folder(at("missing"), entries), FileError::kFileNotFound);

    folder("locked", 0555);
    EXPECT_EQ(fs().remove_folder(at("a")), FileError::kFolderNotEmpty);
    EXPECT_EQ(fs().remove_folder(at("a/link")), FileError::kPathNotFolder);
    EXPECT_EQ(fs().remove_folder(at("a/file")), FileError::kPathNotFolder);
    EXPECT_EQ(fs().remove_folder(at("locked")), FileError::kFileReadOnly);
    EXPECT_EQ(fs().remove_folder(at("missing")), FileError::kFileNotFound);
    EXPECT_EQ(fs().remove_folder(at("a/sub")), FileError::kNone);
    EXPECT_FALSE(platform::is_folder(at("a/sub")));
    EXPECT_TRUE(platform::is_folder(at("locked")));
}

TEST(FileTimes, BecomeCalendarFieldsInTheProcesssTimeZone) {
    struct Case {
        const char* zone;
        int64_t seconds;
        uint32_t nanoseconds;
        platform::LocalTime local;  // year, month, day of week, day, hour, minute, second, ms
    };
    const Case cases[] = {
        {"UTC0", 0, 0, {1970, 1, 4, 1, 0, 0, 0, 0}},
        {"JST-9", 0, 0, {1970, 1, 4, 1, 9, 0, 0, 0}},
        {"JST-9", 951868799, 999999999, {2000, 3, 3, 1, 8, 59, 59, 999}},  // 2000-02-29 23:59:59 UTC
        {"JST-9", 1234567890, 0, {2009, 2, 6, 14, 8, 31, 30, 0}},
        {"EST5", -1, 0, {1969, 12, 3, 31, 18, 59, 59, 0}},
        // The zone's rules at that instant: summer time in July, standard time in January.
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1720000000, 0, {2024, 7, 3, 3, 11, 46, 40, 0}},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1705000000, 0, {2024, 1, 4, 11, 20, 6, 40, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.seconds));
        test_support::ScopedTimeZone zone(c.zone);
        const auto local = platform::to_local_time({c.seconds, c.nanoseconds});
        ASSERT_TRUE(local.has_value());
        EXPECT_EQ(local->year, c.local.year);
        EXPECT_EQ(local->month, c.local.month);
        EXPECT_EQ(local->day_of_week, c.local.day_of_week);
        EXPECT_EQ(local->day, c.local.day);
        EXPECT_EQ(local->hour, c.local.hour);
        EXPECT_EQ(local->minute, c.local.minute);
        EXPECT_EQ(local->second, c.local.second);
        EXPECT_EQ(local->milliseconds, c.local.milliseconds);
    }
    test_support::ScopedTimeZone zone("UTC0");
    EXPECT_FALSE(platform::to_local_time({std::numeric_limits<int64_t>::max(), 0}).has_value());
}

// A file system put in front of the system's is what every caller reaches, until it is removed.
TEST(FileSystemSeam, AnInstalledFileSystemIsUsedUntilRemoved) {
    struct EverythingIsAFolder : platform::SystemFileSystem {
        FileError entry_info(const std::string&, EntryInfo& info) override {
            info = EntryInfo{};
            info.kind = EntryKind::kFolder;
            return FileError::kNone;
        }
    } fake;
    const std::string path = "/nonexistent/vk-file-system-seam";
    EXPECT_FALSE(platform::is_folder(path));
    platform::set_file_system(&fake);
    EXPECT_TRUE(platform::is_folder(path));
    EXPECT_EQ(&platform::file_system(), &fake);
    platform::set_file_system(nullptr);
    EXPECT_FALSE(platform::is_folder(path));
}

}  // namespace
