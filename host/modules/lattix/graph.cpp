// Lattix: the 2-D drawing library.
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "blend.h"
#include "graph_primitives.h"
#include "logo_graph.h"

namespace host {
namespace {

class Graph : public RefCounted<IGraph3> {
public:
    Graph() : RefCounted("IGraph3") {}
    bool Init() override { return !platform::should_fail("IGraph3.Init"); }
    void Copy(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::copy(to, dx, dy, from, sx, sy, w, h);
    }
    void FillRect(ISurface* to, int x, int y, int w, int h, int r, int g, int b) override {
        graph::fill_rect(to, x, y, w, h, r, g, b);
    }
    void FillAlpha(ISurface* to, int x, int y, int w, int h, int value) override {
        graph::fill_alpha(to, x, y, w, h, value);
    }
    void BlendRate(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h, int rate) override {
        graph::blend(graph::BlendOp::kRate, to, dx, dy, from, sx, sy, w, h, rate);
    }
    void BlendAlphaMap(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::blend(graph::BlendOp::kAlphaMap, to, dx, dy, from, sx, sy, w, h, 255);
    }
    void BlendAlphaMapRate(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h,
                           int rate) override {
        graph::blend(graph::BlendOp::kAlphaMapRate, to, dx, dy, from, sx, sy, w, h, rate);
    }
    void DrawAdd(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::blend(graph::BlendOp::kAdd, to, dx, dy, from, sx, sy, w, h, 255);
    }
    void DrawSub(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::blend(graph::BlendOp::kSub, to, dx, dy, from, sx, sy, w, h, 255);
    }
    void DrawMul(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::blend(graph::BlendOp::kMul, to, dx, dy, from, sx, sy, w, h, 255);
    }
    void DrawAddRate(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h, int rate) override {
        graph::blend(graph::BlendOp::kAddRate, to, dx, dy, from, sx, sy, w, h, rate);
    }
    void DrawMulRate(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h, int rate) override {
        graph::blend(graph::BlendOp::kMulRate, to, dx, dy, from, sx, sy, w, h, rate);
    }
    void DrawAddAlphaMap(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h) override {
        graph::blend(graph::BlendOp::kAlphaMapAdd, to, dx, dy, from, sx, sy, w, h, 255);
    }
    void DrawAddAlphaMapRate(ISurface* to, int dx, int dy, ISurface* from, int sx, int sy, int w, int h,
                             int rate) override {
        graph::blend(graph::BlendOp::kAlphaMapAddRate, to, dx, dy, from, sx, sy, w, h, rate);
    }
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Lattix.CreateInterface")) return nullptr;
    if (*iid == IID_IGraph3) return new host::Graph;
    if (*iid == IID_ILogoGraph) return host::create_logo_graph();
    return nullptr;
}
