#pragma once
// The service libraries the logo uses are already loaded by the host: each is found by its module
// name and asked through its "CreateInterface" export. Every failure is told to the user.
#include "interfaces/iinterface.h"

namespace dawnsigil {

// An owned interface, or null after a message.
IInterface* bind_service(const char* module_name, const GUID& iid);

template <class Interface>
Interface* bind_service_as(const char* module_name, const GUID& iid) {
    return static_cast<Interface*>(bind_service(module_name, iid));
}

}  // namespace dawnsigil
