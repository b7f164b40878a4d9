// Hostcore: the host library, whose "GetInterface" export gives the host's main system.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/reference_host.h"

HOST_MODULE_EXPORT IInterface* GetInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Hostcore.GetInterface")) return nullptr;
    host::ReferenceHost* h = host::ReferenceHost::current();
    if (!h || !(*iid == IID_IHostcore)) return nullptr;
    return h->hostcore();
}
