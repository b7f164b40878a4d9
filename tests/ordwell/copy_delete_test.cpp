// CopyFile and DeleteFile.
#include "ordwell_fixture.h"

namespace ordwell_test {
namespace {

using test_support::ScriptString;

TEST_F(OrdwellTest, CopyFileTakesTheDestinationFirstAndReplacesIt) {
    write("source", "new content");
    write("destination", "old content that is longer");
    ScriptString source = path("source"), destination = path("destination"), fresh = path("fresh");
    EXPECT_EQ(ow.CopyFile(&destination, &source), 1);
    EXPECT_EQ(read("destination"), "new content");
    EXPECT_EQ(ow.CopyFile(&fresh, &source), 1);
    EXPECT_EQ(read("fresh"), "new content");
    EXPECT_EQ(read("source"), "new content");
    EXPECT_EQ(names(), (std::set<std::string>{"source", "destination", "fresh"}));
}

// A copy that cannot be made leaves an existing destination as it was: onto the source itself,
// onto a read-only file, into a folder, or failing part-way through the writing or the rename.
TEST_F(OrdwellTest, RefusedOrFailedCopiesLeaveTheDestinationIntact) {
    write("source", std::string(300 * 1024, 's'));  // several blocks, so a write can fail between them
    write("destination", "keep me");
    write("locked", "keep me too", 0444);
    folder("folder");
    link("source", "alias");
    struct Case {
        const char* destination;
        const char* source;
        const char* fault;
    };
    const Case cases[] = {
        {"source", "source", nullptr},
        {"alias", "source", nullptr},
        {"locked", "source", nullptr},
        {"folder", "source", nullptr},
        {"destination", "source", "file_system.write"},
        {"destination", "source", "file_system.rename"},
        {"destination", "missing", nullptr},
        {"destination", "folder", nullptr},
    };
    for (const Case& c : cases) {
        ScriptString destination = path(c.destination), source = path(c.source);
        if (c.fault) platform::fail(c.fault);
        EXPECT_EQ(ow.CopyFile(&destination, &source), 0) << c.destination << " <- " << c.source;
        platform::heal_all();
    }
    EXPECT_EQ(read("source"), std::string(300 * 1024, 's'));
    EXPECT_EQ(read("destination"), "keep me");
    EXPECT_EQ(read("locked"), "keep me too");
    EXPECT_EQ(names(), (std::set<std::string>{"source", "destination", "locked", "folder", "alias"}));
    EXPECT_EQ(names("folder"), std::set<std::string>{});
}

// Read-only is the owner's write bit; the deletion honours it even where the system would not.
TEST_F(OrdwellTest, DeleteFileRemovesFilesAndLinksOnly) {
    write("file", "x");
    write("locked", "x", 0444);
    write("target", "stays");
    link("target", "link");
    folder("folder");
    for (const auto& [name, expected] : {std::pair<const char*, int>{"file", 1},
                                         {"locked", 0},
                                         {"link", 1},
                                         {"folder", 0},
                                         {"missing", 0}}) {
        ScriptString target = path(name);
        EXPECT_EQ(ow.DeleteFile(&target), expected) << name;
    }
    EXPECT_EQ(names(), (std::set<std::string>{"locked", "target", "folder"}));
    EXPECT_EQ(read("target"), "stays");
}

}  // namespace
}  // namespace ordwell_test
