#pragma once
// Binding of the service libraries the host has already loaded: module by file name, its
// "CreateInterface" export, called with the identifier. Null for a missing module, a missing export
// or a null answer alike.
#include "interfaces/host.h"

namespace vesperkit {

IInterface* bind_service(const char* module_file, const GUID& iid);

template <class Interface>
Interface* bind_service_as(const char* module_file, const GUID& iid) {
    return static_cast<Interface*>(bind_service(module_file, iid));
}

// The host library's IHostcore ("Hostcore", export "GetInterface"), bound once per process.
IHostcore* host_library();

}  // namespace vesperkit
