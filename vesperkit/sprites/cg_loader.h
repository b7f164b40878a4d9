#pragma once
// Turns a CG number into a surface: the cache, the debug replacement, then the "cg" link file and
// the decoder. A CG that does not decode asks the player whether to try again; one the player gave
// up on is not asked about again.
#include <set>

#include "interfaces/image_codec.h"
#include "interfaces/link_file.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/sprites/cg_cache.h"
#include "vesperkit/sprites/debug_cg_files.h"

namespace vesperkit::sprites {

class CgLoader {
public:
    // All borrowed; debug may be null (no replacement).
    void Init(IVLTFile* cg, IUngild* decoder, ISurfaceFactory* factory, CCGCache* cache, const DebugCgFiles* debug);

    // The CG's surface with one reference for the caller, or null: no cache, a missing entry (no
    // message), or an entry that does not decode and the player cancelled.
    ISurface* Load(int number);

    bool dismissed(int number) const { return dismissed_.count(number) != 0; }

private:
    enum class Outcome { kSurface, kMissing, kUndecodable };
    // Steps 3 and 4: the entry (asked for twice) and its decoding.
    Outcome load_entry(int number, ISurface*& surface);
    ISurface* keep(ISurface* surface, int number);

    IVLTFile* cg_ = nullptr;
    IUngild* decoder_ = nullptr;
    ISurfaceFactory* factory_ = nullptr;
    CCGCache* cache_ = nullptr;
    const DebugCgFiles* debug_ = nullptr;
    std::set<int> dismissed_;  // CGs whose error box the player cancelled, for the process's life
};

}  // namespace vesperkit::sprites
