#pragma once
// A surface over a DIB section selected into a memory device context, so that text can be drawn
// into it with device-context calls and the result read like any other surface, or shown on the
// window it was made against.
#include <cstdint>

#include "interfaces/surface.h"
#include "platform/gdi.h"

class CDIBSurface final : public IMainSurface {
public:
    CDIBSurface() = default;
    ~CDIBSurface() { free(); }
    CDIBSurface(const CDIBSurface&) = delete;
    CDIBSurface& operator=(const CDIBSurface&) = delete;

    // The owner controls the lifetime: nothing is counted, and Release only lets go of the bitmap
    // and the device context, keeping the object.
    int AddRef() override { return 1; }
    int Release() override {
        free();
        return 0;
    }
    uint8_t* GetPixelAddress(int x, int y) override;
    uint8_t* GetAlphaAddress(int, int) override { return nullptr; }
    int GetWidth() override { return width_; }
    int GetHeight() override { return height_; }
    int GetBitsPerPixel() override { return bits_per_pixel_; }
    int GetPitch() override { return pitch_; }
    int GetAlphaPitch() override { return 0; }
    bool HasPixel() override { return created_; }
    bool HasAlphaMap() override { return false; }
    void Present(int x, int y, int width, int height) override;

    // Makes a new DIB section of 8, 16, 24 or 32 bits per pixel against the window's device
    // context (null: the desktop). Rows start on 16-byte boundaries, and the section holds one row
    // more than the surface reports. False, with the surface left empty, on any failure.
    bool Create(WindowHandle window, int width, int height, int bits_per_pixel);

    void SetPresentOffset(int x, int y) {
        present_x_ = x;
        present_y_ = y;
    }
    platform::gdi::DeviceContext device_context() const { return memory_dc_; }
    platform::gdi::Bitmap bitmap() const { return bitmap_; }

private:
    void free();

    bool created_ = false;
    int width_ = 0, height_ = 0, bits_per_pixel_ = 0, bytes_per_pixel_ = 0, pitch_ = 0;
    platform::gdi::Bitmap bitmap_ = nullptr;
    uint8_t* bits_ = nullptr;
    platform::gdi::DeviceContext memory_dc_ = nullptr;
    platform::gdi::Bitmap replaced_bitmap_ = nullptr;
    WindowHandle window_ = nullptr;
    int present_x_ = 0, present_y_ = 0;
};
