#include "vesperkit/frame/service_binding.h"

#include "interfaces/guids.h"
#include "platform/modules.h"

namespace vesperkit {
namespace {

CreateInterfaceFn find_factory(const char* module_file, const char* export_name) {
    platform::ModuleHandle module = platform::find_module(module_file);
    if (!module) return nullptr;
    return reinterpret_cast<CreateInterfaceFn>(platform::find_export(module, export_name));
}

}  // namespace

IInterface* bind_service(const char* module_file, const GUID& iid) {
    CreateInterfaceFn create = find_factory(module_file, "CreateInterface");
    return create ? create(&iid) : nullptr;
}

IHostcore* host_library() {
    static IHostcore* bound = nullptr;
    if (!bound) {
        CreateInterfaceFn get = find_factory("Hostcore", "GetInterface");
        if (get) bound = static_cast<IHostcore*>(get(&IID_IHostcore));
    }
    return bound;
}

}  // namespace vesperkit
