#include "platform/modules.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <mutex>

namespace platform {
namespace {

struct Module {
    void* shared_object = nullptr;        // from dlopen, or null for in-process exports
    std::map<std::string, void*> exports;  // in-process exports
};

struct Registry {
    std::mutex mutex;
    std::map<std::string, Module> by_name;  // key: lower-case Windows name without ".dll"
};

Registry& registry() {
    static Registry* r = new Registry;  // lives for the whole process: plug-ins call in at exit
    return *r;
}

std::string lookup_key(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0) name.resize(name.size() - 4);
    return name;
}

}  // namespace

std::string windows_module_name(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.rfind("lib", 0) == 0) name.erase(0, 3);
    auto so = name.find(".so");
    if (so != std::string::npos) name.resize(so);
    return name;
}

ModuleHandle load_module(const std::string& path) {
    void* so = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!so) return nullptr;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    Module& m = r.by_name[lookup_key(windows_module_name(path))];
    m = Module{so, {}};
    return &m;
}

ModuleHandle register_module(const std::string& windows_name, std::map<std::string, void*> exports) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    Module& m = r.by_name[lookup_key(windows_name)];
    m = Module{nullptr, std::move(exports)};
    return &m;
}

void unregister_module(const std::string& windows_name) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.by_name.erase(lookup_key(windows_name));
}

void unregister_all_modules() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.by_name.clear();
}

ModuleHandle find_module(const char* windows_name) {
    if (!windows_name) return nullptr;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.by_name.find(lookup_key(windows_name));
    return it == r.by_name.end() ? nullptr : &it->second;
}

void* find_export(ModuleHandle module, const char* name) {
    if (!module || !name) return nullptr;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    // Only a handle that is still registered is honoured.
    auto known = std::find_if(r.by_name.begin(), r.by_name.end(),
                              [&](const auto& entry) { return &entry.second == module; });
    if (known == r.by_name.end()) return nullptr;
    const Module& m = known->second;
    if (m.shared_object) return dlsym(m.shared_object, name);
    auto it = m.exports.find(name);
    return it == m.exports.end() ? nullptr : it->second;
}

}  // namespace platform
