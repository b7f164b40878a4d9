#pragma once
// The logo's screen: the host's main surface, drawn through the drawing library. Every picture is
// clipped to the screen and to itself here, before the library sees it, so a picture placed partly
// off screen (or a background larger than the screen) never reaches outside the main surface.
#include <optional>

#include "interfaces/logo_graphics.h"

namespace dawnsigil {

inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

// A picture's rectangle (sx, sy, w, h) placed at (dx, dy).
struct Blit {
    int dx, dy, sx, sy, w, h;
    friend bool operator==(const Blit&, const Blit&) = default;
};

// Negative destination coordinates move the source start right (down) and shorten the rectangle,
// negative source coordinates move the destination; then the rectangle is cut to the screen and to
// the source. Nothing when less than one pixel is left.
std::optional<Blit> clip_blit(Blit blit, int source_width, int source_height, int screen_width, int screen_height);

class Screen {
public:
    Screen(ILogoGraph& graph, IMainSurface& surface);

    int width() const { return width_; }
    int height() const { return height_; }
    ILogoGraph& graph() const { return graph_; }

    // Whole pictures with their top-left corner at (x, y). A null picture draws nothing.
    void copy(ISurface* picture, int x, int y);
    void blend(ISurface* picture, int x, int y, int opacity);  // the whole picture at one opacity
    void blend_alpha(ISurface* picture, int x, int y);
    void blend_alpha(ISurface* picture, int x, int y, int opacity);
    // The whole picture scaled onto (x, y, w, h).
    void stretch_blend_alpha(ISurface* picture, int x, int y, int w, int h);
    // The picture's rectangle (sx, sy, sw, sh) scaled onto (x, y, w, h).
    void stretch_copy(ISurface* picture, float x, float y, float w, float h, float sx, float sy, float sw, float sh);

    void fill(int x, int y, int w, int h, int r, int g, int b);
    void blend_fill(int x, int y, int w, int h, int r, int g, int b, int opacity);
    void present();

private:
    std::optional<Blit> place(ISurface* picture, int x, int y) const;
    std::optional<Blit> box(int x, int y, int w, int h) const;
    ILogoGraph& graph_;
    IMainSurface& surface_;
    int width_, height_;
};

}  // namespace dawnsigil
