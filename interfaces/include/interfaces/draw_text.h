#pragma once
// The text drawer's style interface.
#include "interfaces/iinterface.h"

class IDrawText2 : public IInterface {
public:
    // Two operations the engine passes through unchanged.
    virtual int PassThrough1(void* a, void* b) = 0;
    virtual int PassThrough2(void* a, void* b) = 0;
    virtual void SetSize(int size) = 0;
    virtual void SetFont(const char* face) = 0;
    virtual void SetWeight(int weight) = 0;
    virtual void SetUnderline(bool on) = 0;
    virtual void SetStrikeOut(bool on) = 0;
    virtual void SetStyleValue(int value) = 0;
    virtual void SetColor(int r, int g, int b) = 0;
    virtual int GetSize() = 0;
    virtual const char* GetFont() = 0;
    virtual int GetWeight() = 0;
    virtual bool GetUnderline() = 0;
    virtual bool GetStrikeOut() = 0;
    virtual int GetStyleValue() = 0;
    virtual void GetColor(int* r, int* g, int* b) = 0;
};
