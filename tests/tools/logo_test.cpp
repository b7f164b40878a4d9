// The logo played from a scene: Init and Run on the virtual clock, frames captured while Run holds
// the script thread.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "fixtures/logo_assets.h"
#include "support/temp_dir.h"

namespace {

TEST(PlayerLogo, RunsASceneAndCapturesItsFrames) {
    test_support::TempDir dir;
    const auto pictures = dawnsigil_fixtures::logo_picture_archive();
    const auto sounds = dawnsigil_fixtures::logo_sound_archive();
    std::ofstream(dir / "Dawnsigil.mrl", std::ios::binary)
        .write(reinterpret_cast<const char*>(pictures.data()), std::streamsize(pictures.size()));
    std::ofstream(dir / "DawnsigilWave.mrl", std::ios::binary)
        .write(reinterpret_cast<const char*>(sounds.data()), std::streamsize(sounds.size()));
    std::ofstream(dir / "logo.scene") << "!load Dawnsigil\n!capture 2000 logo\nDawnsigil.Init => 1\n"
                                         "Dawnsigil.Run 3 0\n!capture off\n";
    const std::string command = "cd " + dir.path() + " && " + VESPER_PLAY + " logo.scene --out frames >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    int frames = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "frames"))
        frames += entry.path().filename().string().rfind("logo-", 0) == 0;
    // An eleven-second scene, one frame kept every two seconds.
    EXPECT_GE(frames, 5);
    EXPECT_LE(frames, 7);
}

}  // namespace
