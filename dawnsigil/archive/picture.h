#pragma once
// A loaded picture: its surface (one reference, released when the picture is replaced or dropped)
// and, for 8-bit pictures, the palette as stored.
#include <array>
#include <cstdint>
#include <optional>

#include "interfaces/surface.h"

namespace dawnsigil::archive {

using Palette = std::array<uint8_t, 768>;

class Picture {
public:
    Picture() = default;
    ~Picture() { reset(); }
    Picture(Picture&& other) noexcept
        : surface_(other.surface_), palette_(other.palette_) {
        other.surface_ = nullptr;
    }
    Picture& operator=(Picture&& other) noexcept {
        if (this != &other) {
            reset();
            surface_ = other.surface_;
            palette_ = other.palette_;
            other.surface_ = nullptr;
        }
        return *this;
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    ISurface* surface() const { return surface_; }
    const std::optional<Palette>& palette() const { return palette_; }

    // Takes over the caller's reference to `surface`.
    void reset(ISurface* surface = nullptr, std::optional<Palette> palette = std::nullopt) {
        if (surface_) surface_->Release();
        surface_ = surface;
        palette_ = palette;
    }

private:
    ISurface* surface_ = nullptr;
    std::optional<Palette> palette_;
};

}  // namespace dawnsigil::archive
