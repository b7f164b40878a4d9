#pragma once
// Recursive folder deletion.
#include <string>

namespace ordwell {

// Deletes the folder at the host path with everything in it: subfolders first, in ascending byte
// order, then the files in that order, then the folder. The first failure stops the work and
// answers false; what was deleted before stays deleted.
//
// Deletes nothing and answers false for an empty path, the root, and anything that is not itself
// a folder (a file, a missing path, a symbolic link even to a folder). Inside the tree a symbolic
// link is deleted as a file, never followed; a folder on another device (a mount point) or met
// twice on one path (a bind mount of an ancestor) stops the work, so the deletion stays inside the
// tree and cannot loop.
bool delete_folder_tree(const std::string& path);

}  // namespace ordwell
