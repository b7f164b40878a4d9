// The sprite table on its own: ordering, numbering, ownership and the snapshot the kept previous
// view is drawn from.
#include <gtest/gtest.h>

#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"
#include "platform/faults.h"
#include "support/image_files.h"
#include "support/service_module.h"
#include "vesperkit/sprites/sprite_manager.h"

namespace {

using test_support::Held;

// An object that counts its references, to see who holds it.
class Counted : public IInterface {
public:
    int AddRef() override { return ++count; }
    int Release() override { return --count; }
    int count = 1;
};

class SpriteTable : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(factory_ && graph_);
        manager_.Init(factory_.get(), graph_.get(), 64, 48);
    }
    void TearDown() override { platform::heal_all(); }
    CSpriteTable& scene() { return manager_.scene(); }
    // A sprite with a 4 × 4 image of one colour.
    CSprite* with_image(int number, uint32_t argb) {
        CSprite* sprite = scene().FindOrCreate(number);
        ISurface* s = factory_->CreateWithAlpha(4, 4, 32);
        test_support::write_pixels(s, test_support::solid(4, 4, argb));
        sprite->SetSurface(s);
        return sprite;
    }

    Held<ISurfaceFactory> factory_{test_support::create_service<ISurfaceFactory>("Facetry", IID_ISurfaceFactory)};
    Held<IGraph3> graph_{test_support::create_service<IGraph3>("Lattix", IID_IGraph3)};
    CSpriteManager manager_;
};

TEST_F(SpriteTable, RecordsIterateInAscendingNumber) {
    for (int n : {40, -7, 3, 2147483647, 0}) ASSERT_NE(scene().FindOrCreate(n), nullptr);
    std::vector<int> order;
    for (const auto& [number, record] : scene().records()) {
        order.push_back(number);
        EXPECT_EQ(record->number(), number);
    }
    EXPECT_EQ(order, (std::vector<int>{-7, 0, 3, 40, 2147483647}));
    EXPECT_EQ(scene().FindOrCreate(3), scene().Find(3)) << "found, not made twice";
    EXPECT_EQ(scene().Count(), 5);
}

TEST_F(SpriteTable, ANewRecordHasTheInitialValues) {
    const CSprite* s = scene().FindOrCreate(9);
    EXPECT_EQ(s->surface(), nullptr);
    EXPECT_TRUE(s->show());
    EXPECT_EQ(s->blend_rate(), 255);
    EXPECT_EQ(s->brightness(), 255);
    EXPECT_EQ(s->x(), 0);
    EXPECT_EQ(s->z(), 0);
    EXPECT_EQ(s->draw_method(), 0);
    EXPECT_FALSE(s->custom());
    EXPECT_FALSE(s->has_pixel());
    EXPECT_EQ(s->width(), 0);
}

TEST_F(SpriteTable, AFailedAllocationMakesNoRecord) {
    platform::fail("Vesperkit.new.CSprite");
    EXPECT_EQ(scene().FindOrCreate(1), nullptr);
    EXPECT_EQ(scene().Count(), 0);
}

TEST_F(SpriteTable, FirstUnusedAndMaxZ) {
    EXPECT_EQ(scene().MaxZ(), 0);
    scene().FindOrCreate(2147483647)->set_z(-3);
    scene().FindOrCreate(-2147483647 - 1)->set_z(-9);
    EXPECT_EQ(scene().MaxZ(), -3) << "all below zero: the largest of them";
    EXPECT_EQ(scene().FirstUnusedFrom(2147483647), -2147483647) << "wraps past the largest int";
    EXPECT_EQ(scene().FirstUnusedFrom(5), 5);
}

TEST_F(SpriteTable, SettingASurfaceTakesOverTheReferenceAndCachesItsShape) {
    CSprite* sprite = scene().FindOrCreate(1);
    ISurface* first = factory_->CreateWithAlpha(7, 5, 32);
    first->AddRef();  // the test's own
    sprite->SetSurface(first);
    EXPECT_EQ(sprite->width(), 7);
    EXPECT_EQ(sprite->height(), 5);
    EXPECT_TRUE(sprite->has_alpha_map());
    EXPECT_TRUE(sprite->has_pixel());
    sprite->SetSurface(nullptr);
    EXPECT_EQ(sprite->width(), 0);
    EXPECT_FALSE(sprite->has_alpha_map());
    EXPECT_EQ(first->Release(), 0) << "the sprite released the one it was given";
}

TEST_F(SpriteTable, ARecordReleasesWhatItOwnsWhenErased) {
    CSprite* sprite = scene().FindOrCreate(1);
    Counted glyph, plugin;
    ISurface* image = factory_->Create(2, 2, 32);
    image->AddRef();
    sprite->SetSurface(image);
    glyph.AddRef();
    sprite->glyphs().push_back(&glyph);
    plugin.AddRef();
    sprite->set_draw_plugin(&plugin);
    EXPECT_TRUE(scene().Erase(1));
    EXPECT_FALSE(scene().Erase(1));
    EXPECT_EQ(glyph.count, 1);
    EXPECT_EQ(plugin.count, 1);
    EXPECT_EQ(image->Release(), 0);
}

TEST_F(SpriteTable, ClearKeepsTheWallpaper) {
    scene().FindOrCreate(1);
    ISurface* wallpaper = factory_->Create(64, 48, 32);
    scene().SetWallpaper(wallpaper);
    scene().SetWallpaperColor(1, 2, 3);
    scene().Clear();
    EXPECT_EQ(scene().Count(), 0);
    EXPECT_EQ(scene().wallpaper(), wallpaper);
    EXPECT_EQ(scene().wallpaper_color().g, 2);
}

TEST_F(SpriteTable, SurfaceForWritingCopiesOnlyASharedImage) {
    CSprite* sprite = with_image(1, 0xFF112233);
    ISurface* own = sprite->surface();
    EXPECT_EQ(sprite->SurfaceForWriting(), own) << "nobody else holds it";
    own->AddRef();  // now shared
    ISurface* copy = sprite->SurfaceForWriting();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, own);
    EXPECT_TRUE(copy->HasAlphaMap()) << "the same kind";
    EXPECT_EQ(test_support::read_pixels(copy), test_support::read_pixels(own));
    EXPECT_EQ(test_support::read_alpha_map(copy), test_support::read_alpha_map(own));
    EXPECT_EQ(own->Release(), 0) << "the sprite let go of the shared image";

    own = sprite->surface();
    own->AddRef();
    platform::fail("ISurfaceFactory.Create");
    EXPECT_EQ(sprite->SurfaceForWriting(), nullptr) << "no copy, no surface to write";
    EXPECT_EQ(sprite->surface(), own) << "and the shared image stays";
    own->Release();
}

TEST_F(SpriteTable, ASnapshotKeepsTheSceneAsItWas) {
    CSprite* one = with_image(1, 0xFF0000FF);
    one->set_position(10, 20);
    one->set_z(3);
    scene().FindOrCreate(2)->set_custom(true);
    Counted glyph;
    glyph.AddRef();
    one->glyphs().push_back(&glyph);
    ISurface* wallpaper = factory_->Create(64, 48, 32);
    scene().SetWallpaper(wallpaper);
    scene().SetWallpaperColor(4, 5, 6);
    ASSERT_TRUE(manager_.TakeSnapshot());

    CSpriteTable& kept = manager_.snapshot();
    ASSERT_EQ(kept.Count(), 2);
    const CSprite* copy = kept.Find(1);
    EXPECT_NE(copy, one);
    EXPECT_EQ(copy->surface(), one->surface()) << "images are shared, not copied";
    EXPECT_EQ(copy->x(), 10);
    EXPECT_EQ(copy->z(), 3);
    EXPECT_TRUE(kept.Find(2)->custom());
    EXPECT_EQ(kept.wallpaper(), wallpaper);
    EXPECT_EQ(kept.wallpaper_color().b, 6);
    EXPECT_EQ(glyph.count, 3) << "one reference per record";

    // Changes to the scene leave the snapshot alone: properties, pixels (copied on write) and
    // deletions.
    one->set_position(0, 0);
    ISurface* original = copy->surface();
    test_support::write_pixels(one->SurfaceForWriting(), test_support::solid(4, 4, 0xFFFFFFFF));
    EXPECT_EQ(copy->surface(), original);
    EXPECT_EQ(test_support::read_pixels(original), test_support::solid(4, 4, 0xFF0000FF));
    scene().Erase(1);
    EXPECT_EQ(copy->x(), 10);
    EXPECT_EQ(glyph.count, 2);
    manager_.Clear();  // the glyph lives on this stack
    EXPECT_EQ(glyph.count, 1);
}

TEST_F(SpriteTable, ASnapshotThatCannotBeCompletedKeepsThePreviousOne) {
    with_image(1, 0xFF0000FF);
    ASSERT_TRUE(manager_.TakeSnapshot());
    with_image(2, 0xFF00FF00);
    platform::fail("Vesperkit.new.CSprite");
    EXPECT_FALSE(manager_.TakeSnapshot());
    EXPECT_EQ(manager_.snapshot().Count(), 1);
    EXPECT_NE(manager_.snapshot().Find(1), nullptr);
}

TEST_F(SpriteTable, ClearingTheManagerEmptiesBothTables) {
    with_image(1, 0xFF0000FF);
    scene().SetWallpaper(factory_->Create(64, 48, 32));
    manager_.TakeSnapshot();
    manager_.Clear();
    EXPECT_EQ(scene().Count(), 0);
    EXPECT_EQ(manager_.snapshot().Count(), 0);
    EXPECT_EQ(scene().wallpaper(), nullptr);
    EXPECT_EQ(manager_.snapshot().wallpaper(), nullptr);
}

}  // namespace
