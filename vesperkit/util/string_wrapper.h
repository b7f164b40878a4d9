#pragma once
// A text of the engine's own, handed to operations that take a script string. It lives as a local
// object of the code that makes it, so it keeps no reference count: AddRef and Release only answer.
#include <string>
#include <string_view>

#include "interfaces/script_values.h"

class CStringWrapper final : public IString {
public:
    CStringWrapper() = default;
    explicit CStringWrapper(std::string_view text) : text_(text) {}

    int AddRef() override { return 1; }
    int Release() override { return 1; }
    // Valid until the next Set.
    const char* Get() override { return text_.c_str(); }
    // Copies the text; null empties the string.
    void Set(const char* text) override { text_ = text ? text : ""; }

    const std::string& text() const { return text_; }

private:
    std::string text_;
};
