#include "vesperkit/text/tarn_draw_text.h"

#include <cstring>
#include <new>

#include "interfaces/guids.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/frame/service_binding.h"

namespace {
constexpr const char* kFaceSong = "宋体";  // font number 1
constexpr const char* kFaceHei = "黑体";   // font number 0

uint8_t font_number_of(const char* face) { return face && std::strcmp(face, kFaceSong) == 0 ? 1 : 0; }
}  // namespace

CTarnDrawText* CTarnDrawText::Create() {
    auto* library = vesperkit::bind_service_as<IDrawText2>("Scrivet2.dll", IID_IDrawText2);
    if (!library) return nullptr;
    CTarnDrawText* text = vesperkit::allocate<CTarnDrawText>("CTarnDrawText", library);
    if (!text) library->Release();
    return text;
}

CTarnDrawText::CTarnDrawText(IDrawText2* library) : library_(library) {
    size_ = library_->GetSize();
    font_number_ = 0;
    weight_ = library_->GetWeight();
    underline_ = library_->GetUnderline();
    strike_out_ = library_->GetStrikeOut();
    style_value_ = library_->GetStyleValue();
    int r = 0, g = 0, b = 0;
    library_->GetColor(&r, &g, &b);
    red_ = uint8_t(r), green_ = uint8_t(g), blue_ = uint8_t(b);
    font_number_ = font_number_of(library_->GetFont());
}

CTarnDrawText::~CTarnDrawText() { library_->Release(); }

void CTarnDrawText::SetSize(int size) {
    if (size == size_) return;
    library_->SetSize(size);
    size_ = size;
}

void CTarnDrawText::SetFont(const char* face) {
    const uint8_t number = font_number_of(face);
    if (number == font_number_) return;
    library_->SetFont(face);
    font_number_ = number;
}

void CTarnDrawText::SetWeight(int weight) {
    if (weight == weight_) return;
    library_->SetWeight(weight);
    weight_ = weight;
}

void CTarnDrawText::SetUnderline(bool on) {
    if (on == underline_) return;
    library_->SetUnderline(on);
    underline_ = on;
}

void CTarnDrawText::SetStrikeOut(bool on) {
    if (on == strike_out_) return;
    library_->SetStrikeOut(on);
    strike_out_ = on;
}

void CTarnDrawText::SetStyleValue(int value) {
    if (value == style_value_) return;
    library_->SetStyleValue(value);
    style_value_ = value;
}

// The stored bytes are compared as numbers with the ints given, so a value outside 0-255 never
// matches and is passed on every time.
void CTarnDrawText::SetColor(int r, int g, int b) {
    if (r == red_ && g == green_ && b == blue_) return;
    library_->SetColor(r, g, b);
    red_ = uint8_t(r), green_ = uint8_t(g), blue_ = uint8_t(b);
}

const char* CTarnDrawText::GetFont() { return font_number_ == 1 ? kFaceSong : kFaceHei; }

void CTarnDrawText::GetColor(int* r, int* g, int* b) {
    if (r) *r = red_;
    if (g) *g = green_;
    if (b) *b = blue_;
}
