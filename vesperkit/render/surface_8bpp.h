#pragma once
// A plain 8-bit single-channel surface in memory (coverage masks of glyphs, for instance).
#include <cstdint>
#include <memory>

#include "interfaces/surface.h"

class CSurface8bpp final : public ISurface {
public:
    CSurface8bpp() = default;
    ~CSurface8bpp() = default;
    CSurface8bpp(const CSurface8bpp&) = delete;
    CSurface8bpp& operator=(const CSurface8bpp&) = delete;

    // The count guards the buffer, not the object: the last Release frees the pixels and leaves an
    // empty surface that its owner may create again.
    int AddRef() override { return ++ref_count_; }
    int Release() override;
    uint8_t* GetPixelAddress(int x, int y) override;
    uint8_t* GetAlphaAddress(int, int) override { return nullptr; }
    int GetWidth() override { return width_; }
    int GetHeight() override { return height_; }
    int GetBitsPerPixel() override { return 8; }
    int GetPitch() override { return pitch_; }
    int GetAlphaPitch() override { return 0; }
    bool HasPixel() override { return data_ != nullptr; }
    bool HasAlphaMap() override { return false; }

    // Rows of the width rounded up to a multiple of 16 bytes; the first row starts on an 8-byte
    // boundary.
    // False for a non-positive size, a size beyond the cap or a failed allocation; the surface is
    // then empty.
    bool Create(int width, int height);

private:
    void free();

    int ref_count_ = 1;
    std::unique_ptr<uint8_t[]> buffer_;
    uint8_t* data_ = nullptr;
    int width_ = 0, height_ = 0, pitch_ = 0;
};
