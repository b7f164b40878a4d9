#include <functional>

#include "ordwell_fixture.h"
#include "support/exported_symbols.h"

namespace ordwell_test {
namespace {

using test_support::ScriptString;
using test_support::ScriptStringArray;

TEST(OrdwellLibrary, ExportsExactlyItsList) {
    const std::set<std::string> listed = EXPORT_NAMES(ORDWELL_EXPORTS);
    EXPECT_EQ(listed.size(), 12u);
    EXPECT_EQ(test_support::exported_symbols(std::string(VK_LIB_DIR) + "/libOrdwell.so"), listed);
}

// Every export against the three kinds of path, each call in a fresh copy of the scene: a file
// "file" of five bytes, a folder "folder" holding a file, and nothing at "missing".
TEST_F(OrdwellTest, EachExportOnAFileAFolderAndAMissingPath) {
    using Call = std::function<int(const OrdwellLibrary&, IString*, const std::string& scene)>;
    const auto time_call = [](auto export_of) -> Call {
        return [export_of](const OrdwellLibrary& ow, IString* target, const std::string&) {
            int f[7];
            return (ow.*export_of)(target, &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]);
        };
    };
    struct Row {
        const char* name;
        Call call;
        int on_file, on_folder, on_missing;
    };
    const Row rows[] = {
        {"ExistFile", [](auto& ow, IString* t, auto&) { return ow.ExistFile(t); }, 1, 0, 0},
        {"ExistFolder", [](auto& ow, IString* t, auto&) { return ow.ExistFolder(t); }, 0, 1, 0},
        {"GetFileSize", [](auto& ow, IString* t, auto&) { int size; return ow.GetFileSize(t, &size); }, 1, 0, 0},
        {"GetFileCreationTime", time_call(&OrdwellLibrary::GetFileCreationTime), 1, 0, 0},
        {"GetFileLastAccessTime", time_call(&OrdwellLibrary::GetFileLastAccessTime), 1, 0, 0},
        {"GetFileLastWriteTime", time_call(&OrdwellLibrary::GetFileLastWriteTime), 1, 0, 0},
        {"CopyFile from it",
         [](auto& ow, IString* t, const std::string& scene) {
             ScriptString destination(script_path(scene + "/copy"));
             return ow.CopyFile(&destination, t);
         },
         1, 0, 0},
        {"DeleteFile", [](auto& ow, IString* t, auto&) { return ow.DeleteFile(t); }, 1, 0, 0},
        {"CreateFolder", [](auto& ow, IString* t, auto&) { return ow.CreateFolder(t); }, 0, 1, 1},
        {"DeleteFolder", [](auto& ow, IString* t, auto&) { return ow.DeleteFolder(t); }, 0, 1, 0},
        // Listing a file or a missing folder finds nothing, which is an empty list, not a failure.
        {"GetFileList", [](auto& ow, IString* t, auto&) { ScriptStringArray a; return ow.GetFileList(t, &a); }, 1, 1, 1},
        {"GetFolderList", [](auto& ow, IString* t, auto&) { ScriptStringArray a; return ow.GetFolderList(t, &a); }, 1, 1, 1},
    };
    int scene_number = 0;
    for (const Row& row : rows) {
        for (const auto& [target, expected] : {std::pair<const char*, int>{"file", row.on_file},
                                               {"folder", row.on_folder},
                                               {"missing", row.on_missing}}) {
            const std::string scene = "scene" + std::to_string(scene_number++);
            folder(scene + "/folder");
            write(scene + "/folder/inner.txt", "inner");
            write(scene + "/file", "hello");
            ScriptString script(script_path(at(scene + "/" + target)));
            EXPECT_EQ(row.call(ow, &script, at(scene)), expected) << row.name << " on " << target;
        }
    }
}

// What the exports do to the disk, beyond their answer.
TEST_F(OrdwellTest, ExportsChangeTheDiskAsTheySay) {
    write("file", "hello");
    folder("tree/sub");
    write("tree/sub/f", "x");
    ScriptString file = path("file"), tree = path("tree"), fresh = path("fresh\\deeper");

    EXPECT_EQ(ow.CreateFolder(&fresh), 1);
    EXPECT_TRUE(is_directory("fresh/deeper"));
    EXPECT_EQ(ow.DeleteFolder(&tree), 1);
    EXPECT_FALSE(exists("tree"));
    EXPECT_EQ(ow.DeleteFile(&file), 1);
    EXPECT_FALSE(exists("file"));
    EXPECT_EQ(names(), std::set<std::string>{"fresh"});
}

// No string or array from the host is not a crash but a failure; output references stay zeroed.
TEST_F(OrdwellTest, MissingArgumentsAnswerFalse) {
    write("file", "hello");
    ScriptString file = path("file");
    ScriptStringArray array;
    int size = 7;
    EXPECT_EQ(ow.ExistFile(nullptr), 0);
    EXPECT_EQ(ow.ExistFolder(nullptr), 0);
    EXPECT_EQ(ow.GetFileSize(nullptr, &size), 0);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(ow.GetFileSize(&file, nullptr), 0);
    int f[6] = {9, 9, 9, 9, 9, 9};
    EXPECT_EQ(ow.GetFileLastWriteTime(&file, &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], nullptr), 0);
    for (int v : f) EXPECT_EQ(v, 0);
    EXPECT_EQ(ow.CopyFile(nullptr, &file), 0);
    EXPECT_EQ(ow.CopyFile(&file, nullptr), 0);
    EXPECT_EQ(ow.DeleteFile(nullptr), 0);
    EXPECT_EQ(ow.CreateFolder(nullptr), 0);
    EXPECT_EQ(ow.DeleteFolder(nullptr), 0);
    EXPECT_EQ(ow.GetFileList(nullptr, &array), 0);
    EXPECT_EQ(ow.GetFolderList(&file, nullptr), 0);
    EXPECT_EQ(read("file"), "hello");
}

}  // namespace
}  // namespace ordwell_test
