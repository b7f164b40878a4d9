#pragma once
// Loads a picture entry of the logo's archive into a surface of the surface factory, telling the
// user about unknown formats, unsupported depths and zlib failures. Damaged entries fail quietly.
#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/archive/picture.h"
#include "interfaces/surface_factory.h"

namespace dawnsigil::archive {

// On success the record's previous surface is released and replaced; on failure the record is
// left as it was.
bool load_picture(MrlArchive& archive, ISurfaceFactory& factory, int index, Picture& record);

}  // namespace dawnsigil::archive
