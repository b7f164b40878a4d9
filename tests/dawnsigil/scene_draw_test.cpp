// The scenes drawn through a graphics table that only records: every frame of every scene asks
// only for pictures it loaded and hands the library rectangles inside the screen and the source.
#include <gtest/gtest.h>

#include "dawnsigil/scenes/scene.h"
#include "fixtures/logo_assets.h"
#include "fixtures/test_host.h"
#include "host/event_log.h"
#include "host/surface.h"

namespace {

using namespace dawnsigil;
using namespace dawnsigil_fixtures;

struct Call {
    std::string op;
    ISurface* dst;
    ISurface* src;
    double x, y, w, h, sx, sy, sw, sh;
    int opacity;
};

class RecordingGraph : public ILogoGraph {
public:
    int AddRef() override { return 1; }
    int Release() override { return 1; }
    bool Init() override { return true; }
    void SetSetting(int) override {}
    void Copy(ISurface* d, int dx, int dy, ISurface* s, int sx, int sy, int w, int h) override {
        add("Copy", d, s, dx, dy, w, h, sx, sy, w, h, 255);
    }
    void BlendConst(ISurface* d, int dx, int dy, ISurface* s, int sx, int sy, int w, int h, int o) override {
        add("BlendConst", d, s, dx, dy, w, h, sx, sy, w, h, o);
    }
    void BlendAlpha(ISurface* d, int dx, int dy, ISurface* s, int sx, int sy, int w, int h) override {
        add("BlendAlpha", d, s, dx, dy, w, h, sx, sy, w, h, 255);
    }
    void BlendAlphaOpacity(ISurface* d, int dx, int dy, ISurface* s, int sx, int sy, int w, int h, int o) override {
        add("BlendAlphaOpacity", d, s, dx, dy, w, h, sx, sy, w, h, o);
    }
    void Fill(ISurface* d, int x, int y, int w, int h, int, int, int) override {
        add("Fill", d, nullptr, x, y, w, h, 0, 0, 0, 0, 255);
    }
    void BlendFill(ISurface* d, int x, int y, int w, int h, int, int, int, int o) override {
        add("BlendFill", d, nullptr, x, y, w, h, 0, 0, 0, 0, o);
    }
    void StretchBlendAlpha(ISurface* d, int x, int y, int w, int h, ISurface* s, int sx, int sy, int sw,
                           int sh) override {
        add("StretchBlendAlpha", d, s, x, y, w, h, sx, sy, sw, sh, 255);
    }
    void StretchCopy(ISurface* d, float x, float y, float w, float h, ISurface* s, float sx, float sy, float sw,
                     float sh) override {
        add("StretchCopy", d, s, x, y, w, h, sx, sy, sw, sh, 255);
    }
    void StretchCopyAlpha(ISurface* d, float x, float y, float w, float h, ISurface* s, float sx, float sy, float sw,
                          float sh) override {
        add("StretchCopyAlpha", d, s, x, y, w, h, sx, sy, sw, sh, 255);
    }
    std::vector<Call> calls;

private:
    void add(const char* op, ISurface* d, ISurface* s, double x, double y, double w, double h, double sx, double sy,
             double sw, double sh, int o) {
        calls.push_back({op, d, s, x, y, w, h, sx, sy, sw, sh, o});
    }
};

struct SceneRig {
    FakeFactory factory;
    RecordingGraph graph;
    PictureSet pictures;
    Random random;
    std::unique_ptr<Scene> scene;

    explicit SceneRig(int number) : scene(make_scene(number)) {
        archive::MrlArchive archive;
        archive.open(archive::memory_source(logo_picture_archive()));
        EXPECT_TRUE(pictures.load(scene->picture_numbers(), archive, factory));
        random.seed(1);
        SceneSetup setup{random, pictures, factory, graph};
        EXPECT_TRUE(scene->prepare(setup));
    }
};

bool inside(double start, double size, double limit) { return start >= 0 && size > 0 && start + size <= limit + 1e-3; }

TEST(SceneDraw, EveryFrameStaysInsideTheScreenAndItsPictures) {
    const int screens[][2] = {{800, 600}, {640, 480}};
    for (const auto& size : screens)
        for (int number = 1; number <= 8; ++number) {
            SCOPED_TRACE(testing::Message() << "scene " << number << " on " << size[0] << "x" << size[1]);
            SceneRig rig(number);
            host::MainSurface main(size[0], size[1], 32);
            Screen screen(rig.graph, main);
            SceneFrame frame{screen, rig.pictures, rig.random};
            rig.graph.calls.clear();
            for (uint32_t t = 0; t < 11000; t += 23) rig.scene->draw(t, frame);
            EXPECT_EQ(rig.pictures.misses(), 0) << "asked for a picture it did not load";
            ASSERT_FALSE(rig.graph.calls.empty());
            for (const Call& c : rig.graph.calls) {
                ASSERT_EQ(c.dst, &main) << c.op;
                ASSERT_TRUE(inside(c.x, c.w, size[0]) && inside(c.y, c.h, size[1]))
                    << c.op << " at " << c.x << "," << c.y << " size " << c.w << "x" << c.h;
                if (!c.src) continue;
                ASSERT_TRUE(inside(c.sx, c.sw, c.src->GetWidth()) && inside(c.sy, c.sh, c.src->GetHeight()))
                    << c.op << " from " << c.sx << "," << c.sy << " size " << c.sw << "x" << c.sh;
            }
        }
}

TEST(SceneDraw, ConvergingTitleHalfwayIsTwoHalfOpaqueCopies16PixelsApart) {
    SceneRig rig(1);
    host::MainSurface main(800, 600, 32);
    Screen screen(rig.graph, main);
    SceneFrame frame{screen, rig.pictures, rig.random};
    rig.scene->draw(6500, frame);
    ISurface* title = rig.pictures[kTitle];
    std::vector<Call> titles;
    for (const Call& c : rig.graph.calls)
        if (c.src == title) titles.push_back(c);
    ASSERT_EQ(titles.size(), 2u);
    const int cx = (800 - title->GetWidth()) / 2, cy = (600 - title->GetHeight()) / 2;
    EXPECT_EQ(titles[0].op, "BlendAlphaOpacity");
    EXPECT_EQ(titles[0].x, cx - 16);
    EXPECT_EQ(titles[1].x, cx + 16);
    EXPECT_EQ(titles[0].y, cy);
    EXPECT_EQ(titles[0].opacity, 127);
}

TEST(SceneDraw, WinterMakesEightFlakesAndTellsWhenOneCannotBeMade) {
    {
        host::clear_events();
        SceneRig rig(4);
        int flakes = 0;
        for (const Call& c : rig.graph.calls)
            if (c.op == "StretchCopy" || c.op == "StretchCopyAlpha") {
                ++flakes;
                EXPECT_EQ(c.src, rig.pictures[43]);
                EXPECT_EQ(c.w, c.dst->GetWidth());
            }
        EXPECT_EQ(flakes, 16) << "colour and alpha plane of eight sizes";
        rig.scene.reset();
        EXPECT_EQ(host::events(), std::vector<std::string>(8, "Release ISurface")) << "the scene releases its flakes";
    }
    FakeFactory factory;
    factory.refuse(26, 26);
    RecordingGraph graph;
    PictureSet pictures;
    archive::MrlArchive archive;
    archive.open(archive::memory_source(logo_picture_archive()));
    auto scene = make_scene(4);
    ASSERT_TRUE(pictures.load(scene->picture_numbers(), archive, factory));
    Random random;
    SceneSetup setup{random, pictures, factory, graph};
    MessageRecorder messages;
    EXPECT_FALSE(scene->prepare(setup));
    EXPECT_EQ(messages.texts(), std::vector<std::string>({sjis(u8"サーフェス(26, 26, 32)の作成に失敗しました")}));
}

TEST(SceneDraw, OnlyTheNumberedScenesExist) {
    for (int n = 1; n <= 8; ++n) EXPECT_NE(make_scene(n), nullptr) << n;
    for (int n : {0, 9, -1}) EXPECT_EQ(make_scene(n), nullptr) << n;
}

}  // namespace
