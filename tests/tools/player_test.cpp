// The scene player as a person runs it: exit status, what it prints, the files it writes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "host/png_codec.h"
#include "support/temp_dir.h"

namespace {

struct PlayerRun {
    int status = -1;
    std::string output;  // stdout and stderr
};

PlayerRun play(const test_support::TempDir& dir, const std::string& scene, const std::string& options = "") {
    const std::string path = dir / "test.scene";
    std::ofstream(path) << scene;
    const std::string command = std::string(VESPER_PLAY) + " " + path + " --out " + (dir / "out") + " " + options + " 2>&1";
    PlayerRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

TEST(Player, ASceneWhoseChecksHoldExitsZero) {
    test_support::TempDir dir;
    const PlayerRun run = play(dir,
                         "GetScreenWidth => 320\nGetScreenHeight => 200\n"
                         "Error \"one\"\nError \"two\"\n!errors 2\n"
                         "!mouse 7 9\nMouse_GetPos &x &y => 1\n!expect &x == 7\n!expect &y == 9\n"
                         "!mouse off\nMouse_GetPos &x &y => 0\n"
                         "!repeat 3\n!wheel 2 1\n!end\nMouse_GetWheel &f &b\n!expect &f == 6\n!expect &b == 3\n"
                         "Debug_GetFuncStack $s -1\n!expect $s == \"\"\n",
                         "--size 320x200");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[report] one"), std::string::npos);
}

TEST(Player, AFailedCheckNamesFileLineAndValuesAndExitsOne) {
    test_support::TempDir dir;
    const PlayerRun run = play(dir, "GetScreenWidth => 640\n!errors 1\nKey_ClearFlag => 1\n");
    EXPECT_EQ(run.status, 1);
    const std::string scene = dir / "test.scene";
    EXPECT_NE(run.output.find(scene + ":1: GetScreenWidth returned 800, expected 640"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(scene + ":2: expected 1 error reports, saw 0"), std::string::npos) << run.output;
}

TEST(Player, SceneErrorsExitTwoWithFileAndLine) {
    struct Case {
        std::string scene;
        std::string message;
    };
    const Case cases[] = {
        {"Update\n!frame\n", ":2: !frame: wrong number of operands"},
        {"NoSuchExport 1\n", ":1: Vesperkit has no export NoSuchExport"},
        {"\nSP_Nothing\nKey_IsDown \"a\"\n", ":2: Vesperkit has no export SP_Nothing"},
        {"Key_IsDown \"a\"\n", ":1: Key_IsDown: argument 1 is of the wrong kind"},
        {"Key_IsDown 1 2\n", ":1: Key_IsDown: takes 1 arguments, 2 given"},
        {"GetInterface 5\n", ":1: GetInterface: this export cannot be called from a scene"},
        {"Nowhere.Call\n", ":1: unknown plug-in Nowhere"},
    };
    for (const Case& c : cases) {
        test_support::TempDir dir;
        const PlayerRun run = play(dir, c.scene);
        EXPECT_EQ(run.status, 2) << c.scene;
        EXPECT_NE(run.output.find((dir / "test.scene") + c.message), std::string::npos) << run.output;
    }
}

TEST(Player, CallsOtherPlugins) {
    test_support::TempDir dir;
    std::ofstream(dir / "here.txt") << "x";
    const PlayerRun run = play(dir, "Ordwell.ExistFile \"" + (dir / "here.txt") + "\" => 1\nOrdwell.ExistFile \"" +
                                  (dir / "gone.txt") + "\" => 0\nTessaly.Joystick_GetNumofDevice => 0\n");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(Player, WritesTheWindowImageAsPng) {
    test_support::TempDir dir;
    const PlayerRun run = play(dir, "!frame first.png\n", "--size 16x8");
    ASSERT_EQ(run.status, 0) << run.output;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(host::read_file(dir / "out/first.png", bytes));
    host::Image image;
    ASSERT_TRUE(host::decode_png(bytes, image));
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 8);
}

TEST(Player, BadCommandLinesExitTwo) {
    for (const std::string options : {"--size 0x5", "--codepage 1252", "--bogus"}) {
        test_support::TempDir dir;
        EXPECT_EQ(play(dir, "Update\n", options).status, 2) << options;
    }
}

}  // namespace
