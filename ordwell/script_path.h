#pragma once
// The host path of a script path argument.
#include <optional>
#include <string>

#include "interfaces/script_values.h"

namespace ordwell {

// Nothing when the host handed no string. The text is otherwise passed on unchanged: relative
// paths stay relative to the current folder, and an empty path stays empty.
std::optional<std::string> host_path_of(IString* path);

// path + separator + name, for a host path: a trailing separator is not doubled needlessly.
std::string join(const std::string& folder, const std::string& name);

}  // namespace ordwell
