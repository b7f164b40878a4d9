// GetFileList and GetFolderList.
#include <vector>

#include "ordwell_fixture.h"

namespace ordwell_test {
namespace {

using test_support::ScriptString;
using test_support::ScriptStringArray;
using Names = std::vector<std::string>;

// An array whose host cannot resize it.
class UnresizableArray : public ScriptStringArray {
public:
    using ScriptStringArray::ScriptStringArray;
    bool Realloc(int*, int) override { return false; }
};

// An array that hands out only its first elements, as a host short of memory might.
class ShortArray : public ScriptStringArray {
public:
    explicit ShortArray(int available) : available_(available) {}
    void* GetElement(int index) override { return index < available_ ? ScriptStringArray::GetElement(index) : nullptr; }

private:
    int available_;
};

// Names sort by unsigned byte value, case-sensitively, a prefix before its extensions; the
// two-byte name (0x82 0xA0) sorts after every ASCII one.
TEST_F(OrdwellTest, ListsAreSortedByByteValue) {
    folder("dir");
    for (const char* name : {"b", "A", "a", "ab", "\x82\xA0", "B"}) write(std::string("dir/") + name, "");
    ScriptString dir = path("dir");
    ScriptStringArray files({"stale", "entries", "of", "a", "longer", "list"});
    EXPECT_EQ(ow.GetFileList(&dir, &files), 1);
    EXPECT_EQ(files.values(), (Names{"A", "B", "a", "ab", "b", "\x82\xA0"}));
}

// Files are what is not a folder, folders what is; links count as what they point at, so a
// dangling link is in neither list.
TEST_F(OrdwellTest, FilesAndFoldersAreListedApart) {
    folder("dir/sub2");
    folder("dir/sub1");
    folder("elsewhere");
    write("dir/file2", "");
    write("dir/file1", "");
    link(at("dir/file1"), "dir/link_to_file");
    link(at("elsewhere"), "dir/link_to_folder");
    link(at("nowhere"), "dir/dangling");
    ScriptString dir = path("dir"), dir_with_separator(path("dir").text() + "\\");
    for (ScriptString* folder_path : {&dir, &dir_with_separator}) {
        ScriptStringArray files, folders;
        EXPECT_EQ(ow.GetFileList(folder_path, &files), 1);
        EXPECT_EQ(ow.GetFolderList(folder_path, &folders), 1);
        EXPECT_EQ(files.values(), (Names{"file1", "file2", "link_to_file"})) << folder_path->text();
        EXPECT_EQ(folders.values(), (Names{"link_to_folder", "sub1", "sub2"})) << folder_path->text();
    }
}

TEST_F(OrdwellTest, EmptyOrMissingFoldersGiveEmptyLists) {
    folder("empty");
    for (const char* name : {"empty", "missing"}) {
        ScriptString target = path(name);
        ScriptStringArray files({"old"}), folders({"old"});
        EXPECT_EQ(ow.GetFileList(&target, &files), 1) << name;
        EXPECT_EQ(ow.GetFolderList(&target, &folders), 1) << name;
        EXPECT_TRUE(files.values().empty()) << name;
        EXPECT_TRUE(folders.values().empty()) << name;
    }
}

// The array's refusals are failures: no resize, or an element missing part-way (the names before
// it are assigned and stay).
TEST_F(OrdwellTest, ArrayFailuresAnswerFalse) {
    folder("dir");
    for (const char* name : {"a", "b", "c"}) write(std::string("dir/") + name, "");
    ScriptString dir = path("dir");

    UnresizableArray unresizable({"kept"});
    EXPECT_EQ(ow.GetFileList(&dir, &unresizable), 0);
    EXPECT_EQ(unresizable.values(), Names{"kept"});

    ShortArray short_array(2);
    EXPECT_EQ(ow.GetFileList(&dir, &short_array), 0);
    EXPECT_EQ(short_array.values(), (Names{"a", "b", ""}));
}

}  // namespace
}  // namespace ordwell_test
