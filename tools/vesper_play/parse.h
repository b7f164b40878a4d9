#pragma once
// Reading a scene file. One statement a line; '#' starts a comment outside strings.
#include <optional>
#include <string>

#include "scene.h"

namespace vesper_play {

// The scene, or nothing with `error` set to "FILE:LINE: what is wrong".
std::optional<Scene> parse_scene(const std::string& file, const std::string& text, std::string& error);

}  // namespace vesper_play
