// CreateFolder and DeleteFolder.
#include <map>
#include <vector>

#include "ordwell_fixture.h"

namespace ordwell_test {
namespace {

using platform::EntryInfo;
using platform::FileError;
using test_support::ScriptString;

// The real file system, with every folder creation recorded in order.
class RecordingCreations : public platform::SystemFileSystem {
public:
    FileError create_folder(const std::string& path) override {
        created.push_back(path);
        return SystemFileSystem::create_folder(path);
    }
    std::vector<std::string> created;
};

TEST_F(OrdwellTest, CreateFolderMakesEveryMissingLevelInOrder) {
    folder("one");
    RecordingCreations recording;
    platform::set_file_system(&recording);
    ScopedCurrentFolder inside(dir_.path());
    ScriptString relative("one\\two\\three");
    EXPECT_EQ(ow.CreateFolder(&relative), 1);
    EXPECT_EQ(recording.created, (std::vector<std::string>{"one/two", "one/two/three"}));
    EXPECT_TRUE(is_directory("one/two/three"));

    recording.created.clear();
    EXPECT_EQ(ow.CreateFolder(&relative), 1);  // already there: nothing to do
    EXPECT_TRUE(recording.created.empty());

    ScriptString trailing("four\\five\\");  // the last level comes from its prefix
    EXPECT_EQ(ow.CreateFolder(&trailing), 1);
    EXPECT_TRUE(is_directory("four/five"));
}

TEST_F(OrdwellTest, CreateFolderFailsWhereAFileStands) {
    write("file", "x");
    ScriptString over = path("file"), through = path("file\\sub"), empty("");
    EXPECT_EQ(ow.CreateFolder(&over), 0);
    EXPECT_EQ(ow.CreateFolder(&through), 0);
    EXPECT_EQ(ow.CreateFolder(&empty), 0);
    EXPECT_EQ(read("file"), "x");
}

// A backslash is a separator only outside two-byte characters of the configured code page: the
// trail byte 0x5C of 表 and ソ stays in the name, and the backslash after a one-byte kana (which is
// not a lead byte in Shift-JIS) separates.
TEST_F(OrdwellTest, CreateFolderKeepsTwoByteCharactersWhole) {
    struct Case {
        int code_page;
        const char* script;                 // relative to the test's folder
        std::vector<const char*> levels;    // the folders that must exist afterwards, host form
        const char* absent;                 // what a split inside a character would have made
    };
    const Case cases[] = {
        {932, "\x95\x5C\\\x83\x5C\\x", {"\x95\x5C", "\x95\x5C/\x83\x5C", "\x95\x5C/\x83\x5C/x"}, "\x95"},
        {932, "\xB1\\y", {"\xB1", "\xB1/y"}, "\xB1\\y"},
        {936, "\xC0\\z", {"\xC0\\z"}, "\xC0"},  // in GBK 0xC0 leads and 0x5C is its trail
    };
    for (const Case& c : cases) {
        platform::set_ansi_code_page(c.code_page);
        ScriptString target = path(c.script);
        EXPECT_EQ(ow.CreateFolder(&target), 1) << c.script;
        for (const char* level : c.levels) EXPECT_TRUE(is_directory(level)) << level;
        EXPECT_FALSE(exists(c.absent)) << c.absent;
    }
}

// Subfolders go first, then files in byte order; the read-only file stops the work with what came
// before it gone and the rest in place.
TEST_F(OrdwellTest, DeleteFolderStopsAtAReadOnlyFile) {
    folder("tree/sub/deeper");
    write("tree/sub/deeper/f", "x");
    write("tree/sub/g", "x");
    write("tree/a", "x");
    write("tree/b", "x", 0444);
    write("tree/c", "x");
    ScriptString tree = path("tree");
    EXPECT_EQ(ow.DeleteFolder(&tree), 0);
    EXPECT_EQ(names("tree"), (std::set<std::string>{"b", "c"}));
}

// The file system with its destructive calls recorded and refused, so that a wrong answer about
// the root cannot harm the machine. Identities and devices can be overridden per path.
class GuardedFileSystem : public platform::SystemFileSystem {
public:
    explicit GuardedFileSystem(bool refuse) : refuse_(refuse) {}
    FileError link_info(const std::string& path, EntryInfo& info) override {
        const FileError error = SystemFileSystem::link_info(path, info);
        if (auto it = ids.find(path); it != ids.end()) info.id = it->second;
        return error;
    }
    FileError delete_file(const std::string& path) override {
        destroyed.push_back(path);
        return refuse_ ? FileError::kAccessDenied : SystemFileSystem::delete_file(path);
    }
    FileError remove_folder(const std::string& path) override {
        destroyed.push_back(path);
        return refuse_ ? FileError::kAccessDenied : SystemFileSystem::remove_folder(path);
    }
    std::map<std::string, platform::FileId> ids;
    std::vector<std::string> destroyed;

private:
    bool refuse_;
};

// An empty path, the root (however written) and anything that is not itself a folder delete nothing.
TEST_F(OrdwellTest, DeleteFolderRefusesWhatIsNotAFolderOfItsOwn) {
    write("file", "x");
    folder("target");
    write("target/precious", "x");
    link("target", "link_to_folder");
    GuardedFileSystem guard(true);
    platform::set_file_system(&guard);
    for (const std::string& script : {std::string(""), std::string("\\"), std::string("\\\\"), std::string("\\..\\"),
                                      std::string("\\tmp\\..\\"), script_path(at("file")),
                                      script_path(at("missing")), script_path(at("link_to_folder")),
                                      script_path(at("link_to_folder")) + "\\"}) {
        ScriptString target(script);
        EXPECT_EQ(ow.DeleteFolder(&target), 0) << script;
    }
    EXPECT_TRUE(guard.destroyed.empty()) << guard.destroyed.front();
    EXPECT_EQ(read("target/precious"), "x");
}

// Inside the tree a link is removed as a link: what it points at, outside the tree, stays.
TEST_F(OrdwellTest, DeleteFolderRemovesLinksWithoutFollowingThem) {
    folder("outside/inner");
    write("outside/inner/keep", "x");
    write("outside/file", "x");
    folder("tree");
    link(at("outside"), "tree/to_folder");
    link(at("outside/file"), "tree/to_file");
    link(at("nowhere"), "tree/dangling");
    ScriptString tree = path("tree");
    EXPECT_EQ(ow.DeleteFolder(&tree), 1);
    EXPECT_FALSE(exists("tree"));
    EXPECT_EQ(read("outside/inner/keep"), "x");
    EXPECT_EQ(read("outside/file"), "x");
}

// A folder met again on its own path (a bind mount of an ancestor) or on another device (a mount
// point) stops the deletion before anything inside it goes: it can neither loop nor leave the tree.
TEST_F(OrdwellTest, DeleteFolderNeitherLoopsNorCrossesDevices) {
    folder("tree/a_sub");
    write("tree/a_sub/inside", "x");
    write("tree/z_file", "x");
    const std::string top = at("tree"), sub = at("tree") + "/a_sub";
    EntryInfo top_info;
    ASSERT_EQ(platform::file_system().link_info(top, top_info), FileError::kNone);
    struct Case {
        const char* what;
        platform::FileId sub_id;
    };
    const Case cases[] = {
        {"an ancestor again", top_info.id},
        {"another device", {top_info.id.device + 1, top_info.id.inode + 1}},
    };
    for (const Case& c : cases) {
        GuardedFileSystem guard(false);
        guard.ids[sub] = c.sub_id;
        platform::set_file_system(&guard);
        ScriptString tree = path("tree");
        EXPECT_EQ(ow.DeleteFolder(&tree), 0) << c.what;
        EXPECT_TRUE(guard.destroyed.empty()) << c.what;
        platform::set_file_system(nullptr);
    }
    EXPECT_EQ(read("tree/a_sub/inside"), "x");
    EXPECT_EQ(read("tree/z_file"), "x");
}

}  // namespace
}  // namespace ordwell_test
