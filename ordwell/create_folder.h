#pragma once
// A folder and every missing folder on its way.
#include <string>

namespace ordwell {

// True when the host path names a folder afterwards.
bool create_folder_with_parents(const std::string& path);

}  // namespace ordwell
