// Golden frames: scenes played by the scene player must draw exactly the committed pictures.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "host/png_codec.h"
#include "support/temp_dir.h"

namespace {

int run(const std::string& command) {
    const int raw = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

host::Image load(const std::string& path) {
    std::vector<uint8_t> bytes;
    host::Image image;
    EXPECT_TRUE(host::read_file(path, bytes)) << path;
    EXPECT_TRUE(host::decode_png(bytes, image)) << path;
    return image;
}

// Compares colours only: the window image's fourth byte is not shown to anyone.
void expect_same_picture(const std::string& golden, const std::string& drawn) {
    const host::Image want = load(golden), got = load(drawn);
    ASSERT_EQ(want.width, got.width) << drawn;
    ASSERT_EQ(want.height, got.height) << drawn;
    int64_t differing = 0;
    int first_x = -1, first_y = -1;
    for (int y = 0; y < want.height; ++y)
        for (int x = 0; x < want.width; ++x) {
            const size_t at = (size_t(y) * want.width + x) * 4;
            if (std::equal(want.bgra.begin() + at, want.bgra.begin() + at + 3, got.bgra.begin() + at)) continue;
            if (differing++ == 0) first_x = x, first_y = y;
        }
    EXPECT_EQ(differing, 0) << drawn << ": first difference at " << first_x << "," << first_y;
}

class Golden : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run(std::string(MAKE_DEMO_ASSETS) + " " + assets_.path()), 0);
    }
    std::string play(const std::string& scene, const std::string& options = "") {
        return std::string(VESPER_PLAY) + " " + scene + " --assets " + assets_.path() + " --out " + (out_ / "frames") +
               " " + options;
    }
    test_support::TempDir assets_, out_;
};

TEST_F(Golden, TheDemoScene) {
    ASSERT_EQ(run(play(std::string(VK_SOURCE_DIR) + "/examples/demo/demo.scene")), 0);
    const std::string golden = std::string(VK_SOURCE_DIR) + "/tests/data/golden/demo";
    int frames = 0;
    for (const auto& entry : std::filesystem::directory_iterator(golden)) {
        expect_same_picture(entry.path().string(), (out_ / "frames/") + entry.path().filename().string());
        ++frames;
    }
    EXPECT_EQ(frames, 6);
}

TEST_F(Golden, SpritesCutAtEveryEdge) {
    ASSERT_EQ(run(play(std::string(VK_SOURCE_DIR) + "/tests/tools/golden/edges.scene", "--size 64x48")), 0);
    expect_same_picture(std::string(VK_SOURCE_DIR) + "/tests/data/golden/edges.png", out_ / "frames/edges.png");
}

}  // namespace
