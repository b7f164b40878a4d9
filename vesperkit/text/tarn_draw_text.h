#pragma once
// The engine's copy of the text style, in front of the text drawer. Every character drawn reads the
// whole style, so reads come from the copy and a change reaches the drawer only when the value
// really changes.
#include <cstdint>

#include "interfaces/draw_text.h"
#include "vesperkit/frame/ref_counted.h"

class CTarnDrawText : public vesperkit::RefCounted<IDrawText2> {
public:
    // Binds the text drawer "Scrivet2.dll" and reads its style; null when the drawer cannot be had.
    static CTarnDrawText* Create();
    explicit CTarnDrawText(IDrawText2* library);  // takes over one reference

    int PassThrough1(void* a, void* b) override { return library_->PassThrough1(a, b); }
    int PassThrough2(void* a, void* b) override { return library_->PassThrough2(a, b); }
    void SetSize(int size) override;
    void SetFont(const char* face) override;
    void SetWeight(int weight) override;
    void SetUnderline(bool on) override;
    void SetStrikeOut(bool on) override;
    void SetStyleValue(int value) override;
    void SetColor(int r, int g, int b) override;
    int GetSize() override { return size_; }
    const char* GetFont() override;
    int GetWeight() override { return weight_; }
    bool GetUnderline() override { return underline_; }
    bool GetStrikeOut() override { return strike_out_; }
    int GetStyleValue() override { return style_value_; }
    void GetColor(int* r, int* g, int* b) override;

protected:
    ~CTarnDrawText() override;

private:
    IDrawText2* library_;  // one reference
    int size_ = 0;
    uint8_t font_number_ = 0;  // 1: the face "宋体", 0: any other
    int weight_ = 0;
    bool underline_ = false;
    bool strike_out_ = false;
    int style_value_ = 0;
    uint8_t red_ = 0, green_ = 0, blue_ = 0;
};
