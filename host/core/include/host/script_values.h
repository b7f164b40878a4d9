#pragma once
// The host's script values: strings, int (or float) arrays, string arrays and structures, as the VM
// hands them to the plug-ins for the duration of a call. The scene player keeps its variables in
// them, and tests check what a call wrote into them.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/script_values.h"

namespace host {

// Host-owned script objects: counted, never freed through Release.
template <class Interface>
class ScriptValue : public Interface {
public:
    virtual ~ScriptValue() = default;  // after every slot of the interface
    int AddRef() override { return ++count_; }
    int Release() override { return --count_; }

private:
    int count_ = 1;
};

class ScriptString : public ScriptValue<IString> {
public:
    explicit ScriptString(std::string text = {}) : text_(std::move(text)) {}
    const char* Get() override { return text_.c_str(); }
    void Set(const char* text) override { text_ = text ? text : ""; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// An array of 32-bit values (type 10 int, 11 float, or another code to test type checks).
class ScriptIntArray : public ScriptValue<IArray> {
public:
    explicit ScriptIntArray(std::vector<int> values = {}, int type = kScriptInt, int rank = 1)
        : values_(std::move(values)), type_(type), rank_(rank) {}
    int GetType() override { return type_; }
    int GetNumof() override { return static_cast<int>(values_.size()); }
    int GetRank() override { return rank_; }
    void* GetElement(int index) override {
        if (index < 0 || index >= GetNumof()) return nullptr;
        return &values_[index];
    }
    void SetInt(int index, int value) override {
        if (index >= 0 && index < GetNumof()) values_[index] = value;
    }
    bool Realloc(int* numof, int rank) override {
        if (!numof || *numof < 0 || rank != 1) return false;
        values_.resize(*numof);
        rank_ = rank;
        return true;
    }
    std::vector<int>& values() { return values_; }

private:
    std::vector<int> values_;
    int type_;
    int rank_;
};

class ScriptStringArray : public ScriptValue<IArray> {
public:
    explicit ScriptStringArray(std::vector<std::string> values = {}) {
        for (auto& v : values) strings_.push_back(std::make_unique<ScriptString>(std::move(v)));
    }
    int GetType() override { return kScriptString; }
    int GetNumof() override { return static_cast<int>(strings_.size()); }
    int GetRank() override { return 1; }
    void* GetElement(int index) override {
        if (index < 0 || index >= GetNumof()) return nullptr;
        return static_cast<IString*>(strings_[index].get());
    }
    void SetInt(int, int) override {}
    bool Realloc(int* numof, int rank) override {
        if (!numof || *numof < 0 || rank != 1) return false;
        strings_.resize(*numof);
        for (auto& s : strings_)
            if (!s) s = std::make_unique<ScriptString>();
        return true;
    }
    std::vector<std::string> values() const {
        std::vector<std::string> out;
        for (const auto& s : strings_) out.push_back(s->text());
        return out;
    }

private:
    std::vector<std::unique_ptr<ScriptString>> strings_;
};

// A structure whose plain members (int, float, bool) share one contiguous block of 32-bit values,
// as the VM lays them out; other members are interfaces the test supplies.
class ScriptPage : public ScriptValue<IPage> {
public:
    explicit ScriptPage(std::vector<int> types) : types_(std::move(types)), plain_(types_.size(), 0),
                                                  objects_(types_.size(), nullptr) {}
    int GetNumof() override { return static_cast<int>(types_.size()); }
    int GetType(int index) override { return valid(index) ? types_[index] : 0; }
    void* GetMember(int index) override {
        if (!valid(index)) return nullptr;
        if (objects_[index]) return objects_[index];
        return &plain_[index];
    }
    void SetInt(int index, const int* value) override {
        if (valid(index) && value) plain_[index] = *value;
    }
    void set_object(int index, IInterface* object) {
        if (valid(index)) objects_[index] = object;
    }
    int& at(int index) { return plain_[index]; }

private:
    bool valid(int index) const { return index >= 0 && index < static_cast<int>(types_.size()); }
    std::vector<int> types_;
    std::vector<int> plain_;
    std::vector<IInterface*> objects_;
};

}  // namespace host
