#pragma once
// Sorted listings of a folder's files or subfolders, and their copy into a script string array.
#include <string>
#include <vector>

#include "interfaces/script_values.h"

namespace ordwell {

enum class Listing { kFiles, kFolders };

// The names of the folder's files (existing entries, links followed, that are not folders) or of
// its subfolders, in ascending byte order. A missing or unreadable folder has none.
std::vector<std::string> list_names(const std::string& folder, Listing which);

// Resizes the array to the names and assigns them in order. False when the array refuses the
// size or lacks an element; the elements assigned before stay.
bool store_names(IArray& array, const std::vector<std::string>& names);

}  // namespace ordwell
