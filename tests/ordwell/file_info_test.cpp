// Sizes and time stamps.
#include <fcntl.h>

#include <cstdint>

#include "ordwell_fixture.h"
#include "support/time_zone.h"

namespace ordwell_test {
namespace {

using test_support::ScriptString;

struct Fields {
    int year = -1, month = -1, day = -1, day_of_week = -1, hour = -1, minute = -1, second = -1;
    bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Fields& f) {
    return out << f.year << "-" << f.month << "-" << f.day << " (" << f.day_of_week << ") " << f.hour << ":"
               << f.minute << ":" << f.second;
}

using TimeExport = int (*)(IString*, int*, int*, int*, int*, int*, int*, int*);

int query(TimeExport time_export, IString* path, Fields& f) {
    return time_export(path, &f.year, &f.month, &f.day, &f.day_of_week, &f.hour, &f.minute, &f.second);
}

// Stands the given time in for the creation time, which no call can set on a real file.
class FixedCreationTime : public platform::SystemFileSystem {
public:
    explicit FixedCreationTime(platform::FileTime creation) : creation_(creation) {}
    platform::FileError open_file_info(const std::string& path, platform::EntryInfo& info) override {
        const platform::FileError error = SystemFileSystem::open_file_info(path, info);
        info.creation = creation_;
        return error;
    }

private:
    platform::FileTime creation_;
};

void set_times(const std::string& host, int64_t access, int64_t write) {
    const struct timespec times[2] = {{access, 0}, {write, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, host.c_str(), times, 0), 0);
}

// Each stamp in local time: the zone moves the hour and, across midnight, the date and weekday.
TEST_F(OrdwellTest, TimeStampsAreLocalCalendarFields) {
    write("file", "x");
    set_times(at("file"), 1234567890 /* 2009-02-13 23:31:30 UTC, Friday */, 951868799 /* 2000-02-29 23:59:59 */);
    FixedCreationTime fake({1709251200, 0} /* 2024-03-01 00:00:00 UTC, Friday */);
    platform::set_file_system(&fake);
    ScriptString file = path("file");
    struct Case {
        const char* zone;
        TimeExport time_export;
        Fields expected;
    };
    const Case cases[] = {
        {"UTC0", ow.GetFileLastAccessTime, {2009, 2, 13, 5, 23, 31, 30}},
        {"JST-9", ow.GetFileLastAccessTime, {2009, 2, 14, 6, 8, 31, 30}},
        {"UTC0", ow.GetFileLastWriteTime, {2000, 2, 29, 2, 23, 59, 59}},
        {"JST-9", ow.GetFileLastWriteTime, {2000, 3, 1, 3, 8, 59, 59}},
        {"UTC0", ow.GetFileCreationTime, {2024, 3, 1, 5, 0, 0, 0}},
        {"EST5", ow.GetFileCreationTime, {2024, 2, 29, 4, 19, 0, 0}},
    };
    for (const Case& c : cases) {
        test_support::ScopedTimeZone zone(c.zone);
        Fields f;
        EXPECT_EQ(query(c.time_export, &file, f), 1) << c.zone;
        EXPECT_EQ(f, c.expected) << c.zone;
    }
}

// A failed query leaves all seven references at 0, whatever they held.
TEST_F(OrdwellTest, FailedTimeQueriesZeroEveryField) {
    folder("folder");
    ScriptString missing = path("missing"), a_folder = path("folder"), empty("");
    for (TimeExport time_export : {ow.GetFileCreationTime, ow.GetFileLastAccessTime, ow.GetFileLastWriteTime}) {
        for (IString* target : {static_cast<IString*>(&missing), static_cast<IString*>(&a_folder),
                                static_cast<IString*>(&empty)}) {
            Fields f;
            EXPECT_EQ(query(time_export, target, f), 0) << target->Get();
            EXPECT_EQ(f, (Fields{0, 0, 0, 0, 0, 0, 0})) << target->Get();
        }
    }
    // A stamp outside what the calendar can hold fails the same way.
    write("file", "x");
    FixedCreationTime far_future({INT64_MAX, 0});
    platform::set_file_system(&far_future);
    ScriptString file = path("file");
    Fields f;
    EXPECT_EQ(query(ow.GetFileCreationTime, &file, f), 0);
    EXPECT_EQ(f, (Fields{0, 0, 0, 0, 0, 0, 0}));
}

// The size answers the low 32 bits; a size whose 32 bits are all set, or one that does not fit,
// answers false instead of a wrong number. Sparse files cost no disk.
TEST_F(OrdwellTest, FileSizeIsExactOrFalse) {
    struct Case {
        uint64_t size;
        int result;
        int reported;
    };
    const Case cases[] = {
        {0, 1, 0},
        {5, 1, 5},
        {0x7FFFFFFF, 1, 0x7FFFFFFF},
        {0xFFFFFFFE, 1, -2},                     // the script's int holds the low 32 bits
        {0xFFFFFFFF, 0, 0},                      // the error value itself
        {uint64_t{1} << 32, 0, 0},               // 4 GiB: would read as 0
        {(uint64_t{1} << 32) + 5, 0, 0},         // would read as 5
    };
    for (const Case& c : cases) {
        const int fd = ::open(at("sized").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(c.size)), 0);
        ::close(fd);
        ScriptString sized = path("sized");
        int size = 12345;
        EXPECT_EQ(ow.GetFileSize(&sized, &size), c.result) << c.size;
        EXPECT_EQ(size, c.reported) << c.size;
    }
}

// The query goes through an open file: a failure to close it is a failure of the query.
TEST_F(OrdwellTest, AFailedCloseFailsTheQueries) {
    write("file", "hello");
    ScriptString file = path("file");
    platform::fail("file_system.close");
    int size = 9;
    EXPECT_EQ(ow.GetFileSize(&file, &size), 0);
    EXPECT_EQ(size, 0);
    Fields f;
    EXPECT_EQ(query(ow.GetFileLastWriteTime, &file, f), 0);
    EXPECT_EQ(f, (Fields{0, 0, 0, 0, 0, 0, 0}));
    platform::heal_all();
    EXPECT_EQ(ow.GetFileSize(&file, &size), 1);
    EXPECT_EQ(size, 5);
}

}  // namespace
}  // namespace ordwell_test
