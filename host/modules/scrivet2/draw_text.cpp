// Scrivet2: the text drawer's style. It records every setter call so that tests can see what the
// engine passed on.
#include <string>

#include "host/event_log.h"
#include "platform/faults.h"
#include "host/module_export.h"
#include "host/ref_counted.h"
#include "interfaces/draw_text.h"
#include "interfaces/guids.h"

namespace host {
namespace {

class DrawText : public RefCounted<IDrawText2> {
public:
    DrawText() : RefCounted("IDrawText2") {}
    int PassThrough1(void*, void*) override { return 1; }
    int PassThrough2(void*, void*) override { return 2; }
    void SetSize(int size) override { record("Scrivet2.SetSize"), size_ = size; }
    void SetFont(const char* face) override { record("Scrivet2.SetFont"), face_ = face ? face : ""; }
    void SetWeight(int weight) override { record("Scrivet2.SetWeight"), weight_ = weight; }
    void SetUnderline(bool on) override { record("Scrivet2.SetUnderline"), underline_ = on; }
    void SetStrikeOut(bool on) override { record("Scrivet2.SetStrikeOut"), strike_out_ = on; }
    void SetStyleValue(int value) override { record("Scrivet2.SetStyleValue"), style_ = value; }
    void SetColor(int r, int g, int b) override { record("Scrivet2.SetColor"), r_ = r, g_ = g, b_ = b; }
    int GetSize() override { return size_; }
    const char* GetFont() override { return face_.c_str(); }
    int GetWeight() override { return weight_; }
    bool GetUnderline() override { return underline_; }
    bool GetStrikeOut() override { return strike_out_; }
    int GetStyleValue() override { return style_; }
    void GetColor(int* r, int* g, int* b) override {
        if (r) *r = r_;
        if (g) *g = g_;
        if (b) *b = b_;
    }

private:
    int size_ = 24, weight_ = 400, style_ = 0, r_ = 255, g_ = 255, b_ = 255;
    bool underline_ = false, strike_out_ = false;
    std::string face_;
};

}  // namespace
}  // namespace host

HOST_MODULE_EXPORT IInterface* CreateInterface(const GUID* iid) {
    if (!iid || platform::should_fail("Scrivet2.CreateInterface")) return nullptr;
    if (*iid == IID_IDrawText2) return new host::DrawText;
    return nullptr;
}
