#pragma once
// One numbered sprite: an optional image surface and the properties it is drawn with.
#include <vector>

#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/frame/ref_counted.h"

// Where text typed into the sprite goes next, in pixels of the sprite's image.
struct SpriteTextState {
    int home_x = 0, home_y = 0;
    int x = 0, y = 0;
    int line_height = 0;
    int line_space = 0;
    int char_space = 0;
};

class CSprite final : public vesperkit::RefCounted<IInterface> {
public:
    // factory and graph are borrowed from the table: they make private copies of the image.
    CSprite(int number, ISurfaceFactory* factory, IGraph3* graph);

    // Takes over the caller's reference to surface (no AddRef), releases the old one and refreshes
    // the cached size and flags; null leaves the sprite without an image.
    void SetSurface(ISurface* surface);
    ISurface* surface() const { return surface_; }
    // The image for changing pixels: one that somebody else also holds (the CG cache, a second
    // sprite, a snapshot) is first replaced by a private copy. Null without an image or when the
    // copy cannot be made; the sprite then keeps what it had.
    ISurface* SurfaceForWriting();

    // A record with the same properties that shares the image, the glyphs and the draw plug-in
    // (one more reference each). Null when it cannot be allocated.
    CSprite* Clone() const;

    int number() const { return number_; }
    bool has_pixel() const { return has_pixel_; }
    bool has_alpha_map() const { return has_alpha_map_; }
    int width() const { return width_; }
    int height() const { return height_; }

    int x() const { return x_; }
    int y() const { return y_; }
    int z() const { return z_; }
    int blend_rate() const { return blend_rate_; }  // 0 invisible .. 255 opaque
    int brightness() const { return brightness_; }  // 0 .. 255
    bool show() const { return show_; }
    int draw_method() const { return draw_method_; }
    bool custom() const { return custom_; }  // its content is drawn by a draw plug-in
    void set_position(int x, int y) {
        x_ = x;
        y_ = y;
    }
    void set_z(int z) { z_ = z; }
    void set_blend_rate(int rate) { blend_rate_ = rate; }
    void set_brightness(int brightness) { brightness_ = brightness; }
    void set_show(bool show) { show_ = show; }
    void set_draw_method(int method) { draw_method_ = method; }
    void set_custom(bool custom) { custom_ = custom; }

    // The characters drawn into the sprite (one reference each) and where the next one goes.
    std::vector<IInterface*>& glyphs() { return glyphs_; }
    SpriteTextState& text() { return text_; }
    // A Direct3D draw plug-in drawn in the sprite's place; the sprite owns one reference.
    IInterface* draw_plugin() const { return draw_plugin_; }
    void set_draw_plugin(IInterface* plugin);

protected:
    ~CSprite() override;

private:
    ISurfaceFactory* factory_;
    IGraph3* graph_;
    ISurface* surface_ = nullptr;
    bool has_pixel_ = false;
    bool has_alpha_map_ = false;
    int width_ = 0, height_ = 0;
    int number_;
    int x_ = 0, y_ = 0, z_ = 0;
    int blend_rate_ = 255;
    int brightness_ = 255;
    bool show_ = true;
    int draw_method_ = 0;
    bool custom_ = false;
    std::vector<IInterface*> glyphs_;
    SpriteTextState text_;
    IInterface* draw_plugin_ = nullptr;
};
