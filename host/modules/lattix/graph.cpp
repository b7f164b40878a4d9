// Lattix: the 2-D drawing library.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "logo_graph.h"

namespace host {
namespace {

class Graph : public RefCounted<IGraph3> {
public:
    Graph() : RefCounted("IGraph3") {}
    bool Init() override { return !platform::should_fail("IGraph3.Init"); }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Lattix.CreateInterface")) return nullptr;
    if (*iid == IID_IGraph3) return new host::Graph;
    if (*iid == IID_ILogoGraph) return host::create_logo_graph();
    return nullptr;
}
