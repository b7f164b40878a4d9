// Sprite images from and to files: SP_SetCGFromFile and SP_SaveCG.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "support/sprite_engine.h"
#include "support/script_values.h"

namespace {

using test_support::Pixels;
using test_support::ScriptString;
using test_support::SpriteEngine;

class CgFiles : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine_.start()); }
    std::string file(const std::string& name) const { return folder_ / name; }
    int load(int sprite, const std::string& path) {
        ScriptString p(path);
        return engine_.vk().SP_SetCGFromFile(sprite, &p);
    }
    int save(int sprite, const std::string& path) {
        ScriptString p(path);
        return engine_.vk().SP_SaveCG(sprite, &p);
    }
    // A sprite holding a picture (written through the surface for writing).
    void picture(int sprite, const Pixels& p, bool alpha) {
        ASSERT_EQ(alpha ? engine_.vk().SP_Create(sprite, p.width, p.height, 0, 0, 0, 0)
                        : engine_.vk().SP_CreatePixelOnly(sprite, p.width, p.height),
                  1);
        test_support::write_pixels(engine_.facade()->GetSurfaceForWriting(sprite), p);
    }
    SpriteEngine engine_;
    test_support::TempDir folder_;
};

TEST_F(CgFiles, SaveThenLoadGivesBackEveryPixel) {
    const Pixels translucent = test_support::pattern(31, 9, 4, true);
    picture(1, translucent, true);
    ASSERT_EQ(save(1, file("a.png")), 1);
    ASSERT_EQ(load(2, file("a.png")), 1);
    EXPECT_TRUE(engine_.stored(2)->HasAlphaMap());
    EXPECT_EQ(test_support::read_pixels(engine_.stored(2)), translucent);
    EXPECT_EQ(test_support::read_alpha_map(engine_.stored(2)), test_support::read_alpha_map(engine_.stored(1)));

    const Pixels opaque = test_support::opaque(test_support::pattern(7, 12, 5, false));
    picture(3, opaque, false);
    ASSERT_EQ(save(3, file("b.png")), 1);
    ASSERT_EQ(load(4, file("b.png")), 1);
    EXPECT_FALSE(engine_.stored(4)->HasAlphaMap());
    EXPECT_EQ(test_support::read_pixels(engine_.stored(4)), opaque);
}

TEST_F(CgFiles, ScriptPathsUseBackslashes) {
    std::filesystem::create_directories(file("save"));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    picture(1, test_support::solid(2, 2, 0xFF0000FF), false);
    EXPECT_EQ(save(1, "save\\shot.png"), 1);
    EXPECT_TRUE(std::filesystem::exists(file("save/shot.png")));
    EXPECT_EQ(load(2, "save\\shot.png"), 1);
    // A two-byte character whose trail byte is a backslash stays one character of the name.
    const std::string name = platform::convert("表.png", platform::kCodePageUtf8, 932);
    ASSERT_EQ(name[1], '\\');
    EXPECT_EQ(save(1, "save\\" + name), 1);
    EXPECT_TRUE(std::filesystem::exists(file("save/" + name)));
    std::filesystem::current_path(previous);
}

TEST_F(CgFiles, LoadingAFileThatIsNoImageChangesNothing) {
    picture(1, test_support::solid(3, 3, 0xFF010203), false);
    ISurface* before = engine_.stored(1);
    ASSERT_TRUE(test_support::write_file(file("empty.png"), {}));
    ASSERT_TRUE(test_support::write_file(file("text.png"), {'h', 'e', 'l', 'l', 'o'}));
    std::filesystem::create_directories(file("folder.png"));
    for (const char* name : {"missing.png", "empty.png", "text.png", "folder.png"}) {
        EXPECT_EQ(load(1, file(name)), 0) << name;
        EXPECT_EQ(load(2, file(name)), 0) << name;
    }
    EXPECT_EQ(engine_.stored(1), before);
    EXPECT_EQ(engine_.vk().SP_IsUsing(2), 0);
    EXPECT_EQ(engine_.vk().SP_SetCGFromFile(1, nullptr), 0);
    EXPECT_TRUE(engine_.errors().empty());
    EXPECT_TRUE(engine_.host().message_boxes().empty()) << "files get no retry box";
}

TEST_F(CgFiles, FileImagesAreNotCached) {
    ASSERT_TRUE(test_support::write_file(file("c.png"), test_support::png_file(test_support::solid(2, 2, 0xFF00FF00), false)));
    ASSERT_EQ(load(1, file("c.png")), 1);
    ASSERT_EQ(load(2, file("c.png")), 1);
    EXPECT_NE(engine_.stored(1), engine_.stored(2));
}

TEST_F(CgFiles, SaveRefusesWhatItCannotWrite) {
    picture(1, test_support::solid(2, 2, 0xFF0000FF), false);
    engine_.vk().SP_CreateCustom(2);  // no image
    EXPECT_EQ(save(0, file("zero.png")), 0);
    EXPECT_EQ(save(2, file("none.png")), 0);
    EXPECT_EQ(save(9, file("absent.png")), 0);
    EXPECT_EQ(engine_.vk().SP_SaveCG(1, nullptr), 0);
    EXPECT_EQ(save(1, file("no/such/folder.png")), 0);
    for (const char* name : {"zero.png", "none.png", "absent.png"}) EXPECT_FALSE(std::filesystem::exists(file(name)));
    EXPECT_EQ(engine_.vk().SP_IsUsing(9), 0);
}

TEST_F(CgFiles, AFailedWriteLeavesTheOldFileWhole) {
    picture(1, test_support::pattern(64, 64, 1, true), true);
    ASSERT_EQ(save(1, file("keep.png")), 1);
    const std::vector<uint8_t> good = test_support::read_file(file("keep.png"));
    picture(2, test_support::pattern(300, 300, 2, true), true);
    for (const char* fault : {"file_system.write", "file_system.rename"}) {
        platform::fail(fault);
        EXPECT_EQ(save(2, file("keep.png")), 0) << fault;
        platform::heal(fault);
        EXPECT_EQ(test_support::read_file(file("keep.png")), good) << fault;
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"keep.png"}) << "no temporary file left behind";
}

TEST_F(CgFiles, TheEncoderIsBoundOnFirstUseAndAgainAfterAFailedBinding) {
    picture(1, test_support::solid(2, 2, 0xFF0000FF), false);
    platform::fail("Engild.CreateInterface");
    EXPECT_EQ(save(1, file("first.png")), 0);
    platform::heal("Engild.CreateInterface");
    EXPECT_EQ(save(1, file("second.png")), 1);
    platform::fail("Engild.CreateInterface");
    EXPECT_EQ(save(1, file("third.png")), 1) << "kept once bound";
    platform::fail("IImageEncoder.Encode");
    EXPECT_EQ(save(1, file("fourth.png")), 0);
    EXPECT_FALSE(std::filesystem::exists(file("fourth.png")));
}

}  // namespace
