#pragma once
// The exports a scene may call, typed from each plug-in's export list: how many script arguments
// each takes, of which kind, and how to call it with them.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "interfaces/host.h"
#include "scene.h"
#include "variables.h"

namespace vesper_play {

enum class ParamKind { kInt, kFloat, kIntReference, kString, kArray, kStruct, kHost, kUnsupported };

struct CallResult {
    enum class Kind { kVoid, kInt, kFloat } kind = Kind::kVoid;
    int64_t integer = 0;
    double real = 0;
};

struct CallContext {
    Variables& variables;
    IHostcore* host;
    std::vector<std::unique_ptr<host::ScriptString>> temporaries;  // string literals, for one call
};

struct ExportEntry {
    std::vector<ParamKind> params;  // every parameter, the host pointer included
    std::function<CallResult(void* function, CallContext&, const std::vector<Argument>&)> invoke;
    // The arguments a scene writes: every parameter but the host pointer, which the player supplies.
    size_t script_arguments() const;
};

// Why these arguments do not fit the export, or empty when they do.
std::string check_arguments(const ExportEntry& entry, const std::vector<Argument>& arguments);

// The export lists of the plug-ins the player knows, by plug-in name ("Vesperkit", "Ordwell"...).
const std::map<std::string, std::map<std::string, ExportEntry>>& export_lists();

}  // namespace vesper_play
