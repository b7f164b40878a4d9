#pragma once
// Surfaces in the layout every component shares: 32-bit blue-green-red-fourth-byte pixels with a
// line pitch (16-bit and 8-bit planes for the other depths), and an optional separate one-byte
// alpha plane with its own pitch.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/ref_counted.h"
#include "interfaces/surface.h"

namespace host {

class Surface : public RefCounted<ISurface> {
public:
    // Null when a size is not positive or its byte count would not fit in memory.
    static Surface* create(int width, int height, int bits_per_pixel, bool with_alpha, const char* name = "ISurface");

    uint8_t* GetPixelAddress(int x, int y) override;
    uint8_t* GetAlphaAddress(int x, int y) override;
    int GetWidth() override { return width_; }
    int GetHeight() override { return height_; }
    int GetBitsPerPixel() override { return bpp_; }
    int GetPitch() override { return pitch_; }
    int GetAlphaPitch() override { return alpha_pitch_; }
    bool HasPixel() override { return true; }
    bool HasAlphaMap() override { return !alpha_.empty(); }

private:
    Surface(int width, int height, int bpp, bool with_alpha, const char* name);
    int width_, height_, bpp_, pitch_, alpha_pitch_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
};

// The host's main surface. Present copies a rectangle into the window image, which is what the
// player would see; tests and the scene player read it.
class MainSurface : public HostOwned<IMainSurface> {
public:
    MainSurface(int width, int height, int bits_per_pixel);

    uint8_t* GetPixelAddress(int x, int y) override;
    uint8_t* GetAlphaAddress(int, int) override { return nullptr; }
    int GetWidth() override { return width_; }
    int GetHeight() override { return height_; }
    int GetBitsPerPixel() override { return bpp_; }
    int GetPitch() override { return pitch_; }
    int GetAlphaPitch() override { return 0; }
    bool HasPixel() override { return true; }
    bool HasAlphaMap() override { return false; }
    void Present(int x, int y, int width, int height) override;

    const std::vector<uint8_t>& window_image() const { return window_; }  // same layout as the surface
    int present_count() const { return presents_; }
    std::function<void()> on_present;  // told after each presentation, e.g. to capture frames

private:
    void present_rectangle(int x, int y, int width, int height);
    int width_, height_, bpp_, pitch_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> window_;
    int presents_ = 0;
};

}  // namespace host
