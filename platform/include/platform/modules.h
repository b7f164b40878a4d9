#pragma once
// Modules already loaded by the host, found by their Windows name, and their exports.
//
// Naming rule: the Windows module "Name.dll" (or "Name") is the shared object "libName.so". Lookup
// is case-insensitive and ignores a ".dll" suffix, as the Windows loader does.
#include <map>
#include <string>

namespace platform {

using ModuleHandle = void*;

// Loads a shared object and registers it under its Windows name; null when it cannot be loaded.
ModuleHandle load_module(const std::string& path);

// Registers exports that live in this process under a module name (for tests and for hosts that
// link a service in). Replaces an earlier module of that name.
ModuleHandle register_module(const std::string& windows_name, std::map<std::string, void*> exports);

// Forgets a module; a loaded shared object stays mapped, since code of it may still run.
void unregister_module(const std::string& windows_name);
void unregister_all_modules();

// GetModuleHandleA: the module the host registered under that name, or null.
ModuleHandle find_module(const char* windows_name);

// GetProcAddress: the export's address, or null.
void* find_export(ModuleHandle module, const char* name);

// The Windows name of a file: "/x/libCrateva.so" -> "Crateva".
std::string windows_module_name(const std::string& path);

}  // namespace platform
