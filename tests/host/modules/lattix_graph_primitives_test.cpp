// IGraph3's rectangle copy and fills against a pixel-by-pixel model, on random rectangles that
// cross every edge of both surfaces.
#include <gtest/gtest.h>

#include <random>

#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"
#include "support/service_module.h"

namespace {

using test_support::Held;

// A surface's bytes (pixel plane and alpha map) as the model sees them.
struct Image {
    int width, height, bytes_per_pixel;
    std::vector<uint8_t> pixels, alpha;
};

Image snapshot(ISurface* s) {
    Image image{s->GetWidth(), s->GetHeight(), s->GetBitsPerPixel() / 8, {}, {}};
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = s->GetPixelAddress(0, y);
        image.pixels.insert(image.pixels.end(), row, row + image.width * image.bytes_per_pixel);
        if (s->HasAlphaMap()) {
            const uint8_t* a = s->GetAlphaAddress(0, y);
            image.alpha.insert(image.alpha.end(), a, a + image.width);
        }
    }
    return image;
}

void scribble(ISurface* s, std::mt19937& random) {
    for (int y = 0; y < s->GetHeight(); ++y) {
        uint8_t* row = s->GetPixelAddress(0, y);
        for (int i = 0; i < s->GetWidth() * s->GetBitsPerPixel() / 8; ++i) row[i] = uint8_t(random());
        if (s->HasAlphaMap())
            for (int x = 0; x < s->GetWidth(); ++x) s->GetAlphaAddress(0, y)[x] = uint8_t(random());
    }
}

bool inside(const Image& image, int64_t x, int64_t y) { return x >= 0 && y >= 0 && x < image.width && y < image.height; }

class GraphPrimitives : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(graph_ && factory_); }
    ISurface* make(int w, int h, int bpp, bool alpha) {
        ISurface* s = alpha ? factory_->CreateWithAlpha(w, h, bpp) : factory_->Create(w, h, bpp);
        held_.emplace_back(s);
        return s;
    }
    Held<IGraph3> graph_{test_support::create_service<IGraph3>("Lattix", IID_IGraph3)};
    Held<ISurfaceFactory> factory_{test_support::create_service<ISurfaceFactory>("Facetry", IID_ISurfaceFactory)};
    std::vector<Held<ISurface>> held_;
};

TEST_F(GraphPrimitives, CopyMatchesThePixelModelOnEveryClippedRectangle) {
    const uint32_t seed = 20240611;
    std::mt19937 random(seed);
    for (int round = 0; round < 400; ++round) {
        const int bpp = round % 3 == 0 ? 24 : 32;
        const bool to_alpha = random() % 2, from_alpha = random() % 2;
        ISurface* to = make(1 + random() % 23, 1 + random() % 17, bpp, to_alpha);
        ISurface* from = make(1 + random() % 23, 1 + random() % 17, bpp, from_alpha);
        scribble(to, random);
        scribble(from, random);
        const Image before = snapshot(to), source = snapshot(from);
        const int dx = int(random() % 50) - 20, dy = int(random() % 40) - 15;
        const int sx = int(random() % 50) - 20, sy = int(random() % 40) - 15;
        const int w = int(random() % 40) - 5, h = int(random() % 30) - 5;
        graph_->Copy(to, dx, dy, from, sx, sy, w, h);

        Image want = before;
        for (int64_t y = 0; y < h; ++y)
            for (int64_t x = 0; x < w; ++x) {
                if (!inside(want, dx + x, dy + y) || !inside(source, sx + x, sy + y)) continue;
                const size_t d = size_t((dy + y) * want.width + dx + x), s = size_t((sy + y) * source.width + sx + x);
                for (int b = 0; b < want.bytes_per_pixel; ++b)
                    want.pixels[d * want.bytes_per_pixel + b] = source.pixels[s * source.bytes_per_pixel + b];
                if (to_alpha && from_alpha) want.alpha[d] = source.alpha[s];
            }
        const Image got = snapshot(to);
        ASSERT_EQ(got.pixels, want.pixels) << "seed " << seed << " round " << round;
        ASSERT_EQ(got.alpha, want.alpha) << "seed " << seed << " round " << round;
    }
}

TEST_F(GraphPrimitives, FillsMatchThePixelModel) {
    const uint32_t seed = 77;
    std::mt19937 random(seed);
    for (int round = 0; round < 200; ++round) {
        ISurface* s = make(1 + random() % 19, 1 + random() % 19, 32, true);
        scribble(s, random);
        const Image before = snapshot(s);
        const int x = int(random() % 30) - 10, y = int(random() % 30) - 10;
        const int w = int(random() % 30) - 3, h = int(random() % 30) - 3;
        const int r = int(random() % 256), g = int(random() % 256), b = int(random() % 256), a = int(random() % 256);
        const bool alpha_fill = round % 2;
        if (alpha_fill)
            graph_->FillAlpha(s, x, y, w, h, a);
        else
            graph_->FillRect(s, x, y, w, h, r, g, b);

        Image want = before;
        for (int64_t row = y; row < int64_t(y) + h; ++row)
            for (int64_t col = x; col < int64_t(x) + w; ++col) {
                if (!inside(want, col, row)) continue;
                const size_t i = size_t(row * want.width + col);
                if (alpha_fill) {
                    want.alpha[i] = uint8_t(a);
                    want.pixels[i * 4 + 3] = uint8_t(a);  // the fourth byte carries the same alpha
                } else {
                    want.pixels[i * 4 + 0] = uint8_t(b);
                    want.pixels[i * 4 + 1] = uint8_t(g);
                    want.pixels[i * 4 + 2] = uint8_t(r);  // the fourth byte is left alone
                }
            }
        const Image got = snapshot(s);
        ASSERT_EQ(got.pixels, want.pixels) << "seed " << seed << " round " << round;
        ASSERT_EQ(got.alpha, want.alpha) << "seed " << seed << " round " << round;
    }
}

TEST_F(GraphPrimitives, CopyWithinOneSurfaceMovesOverlappingRowsIntact) {
    ISurface* s = make(4, 6, 32, false);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) s->GetPixelAddress(x, y)[0] = uint8_t(y * 10 + x);
    graph_->Copy(s, 0, 2, s, 0, 0, 4, 4);  // down two rows: the source rows are overwritten as they go
    for (int y = 2; y < 6; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(s->GetPixelAddress(x, y)[0], (y - 2) * 10 + x) << x << "," << y;
}

TEST_F(GraphPrimitives, SurfacesOfDifferentDepthsAreNotMixed) {
    ISurface* to = make(4, 4, 32, false);
    ISurface* from = make(4, 4, 24, false);
    std::mt19937 random(1);
    scribble(from, random);
    const Image before = snapshot(to);
    graph_->Copy(to, 0, 0, from, 0, 0, 4, 4);
    EXPECT_EQ(snapshot(to).pixels, before.pixels);
    graph_->Copy(to, 0, 0, nullptr, 0, 0, 4, 4);
    graph_->FillRect(nullptr, 0, 0, 4, 4, 1, 2, 3);
    graph_->FillAlpha(to, 0, 0, 4, 4, 9);  // no alpha map: nothing at all
    EXPECT_EQ(snapshot(to).pixels, before.pixels);
}

TEST_F(GraphPrimitives, HugeRectanglesAndOriginsAreClippedWithoutOverflow) {
    ISurface* s = make(8, 8, 32, true);
    graph_->FillRect(s, -2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, 1, 2, 3);
    graph_->FillRect(s, 4, 4, 2147483647, 2147483647, 7, 8, 9);
    EXPECT_EQ(s->GetPixelAddress(7, 7)[0], 9);
    EXPECT_EQ(s->GetPixelAddress(3, 3)[0], 0);
    graph_->Copy(s, 2147483647, 0, s, 0, 0, 2147483647, 8);
    graph_->FillAlpha(s, 0, 0, 2147483647, 2147483647, 200);
    EXPECT_EQ(s->GetAlphaAddress(5, 5)[0], 200);
}

}  // namespace
