#pragma once
// Debug-mode replacement images: files "CG\CG%05d.bmp|jpg|png" of the current directory stand in
// for CGs of the link file, and "CG\SP\CG%05d.bmp" supplies the fourth bytes of one. The folders
// are listed once, when the engine starts; names are compared byte for byte.
#include <set>
#include <string>

#include "interfaces/image_codec.h"
#include "interfaces/surface_factory.h"

namespace vesperkit::sprites {

class DebugCgFiles {
public:
    // Lists "CG" and then "CG\SP" and turns the replacement on. A missing folder lists nothing.
    void Take();
    bool enabled() const { return enabled_; }

    // Does "CG" hold a replacement of the CG (any of the three extensions)?
    bool IsExist(int number) const;
    // The replacement's surface (one reference for the caller), or null when there is none or it
    // cannot be read, decoded or combined with its fourth-byte file.
    ISurface* Load(int number, IUngild* decoder, ISurfaceFactory* factory) const;

    const std::set<std::string>& main_names() const { return main_; }
    const std::set<std::string>& alpha_names() const { return alpha_; }

private:
    // The first name "CG%05d.<ext>" that the "CG" listing holds, in the order bmp, jpg, png.
    std::string main_name(int number) const;

    bool enabled_ = false;
    std::set<std::string> main_;   // names in "CG"
    std::set<std::string> alpha_;  // names in "CG\SP"
};

// "CG%05d.<extension>" of a CG number.
std::string debug_cg_name(int number, const char* extension);

}  // namespace vesperkit::sprites
