#pragma once
// The engine's own int array, through which the facade hands out lists of numbers (sprite numbers,
// for one).
#include <cstdint>
#include <vector>

#include "interfaces/iinterface.h"
#include "vesperkit/frame/ref_counted.h"

// Misuse (an index out of range, the address of an element of an empty array, an oversized
// reserve or resize) throws std::out_of_range or std::length_error; the engine's callers never
// commit it, and the export guard turns it into a failure should one slip through.
class IIntArray : public IInterface {
public:
    virtual int32_t* At(int index) = 0;
    virtual int32_t* Data() = 0;
    virtual void ShrinkToFit() = 0;
    virtual void Clear() = 0;
    virtual bool IsEmpty() = 0;
    virtual int32_t* Front() = 0;
    virtual int32_t* Back() = 0;
    virtual void PopBack() = 0;  // nothing on an empty array
    virtual void PushBack(int32_t value) = 0;
    virtual int Size() = 0;
    virtual void Resize(int count) = 0;  // new elements are 0
    virtual int Capacity() = 0;          // 0 before any storage was taken
    virtual void Reserve(int count) = 0;
    virtual void Sort() = 0;             // ascending
};

class CIntArray final : public vesperkit::RefCounted<IIntArray> {
public:
    // The largest count the array takes (the limit of a 32-bit process's int vector).
    static constexpr int kMaxCount = 1073741823;

    int32_t* At(int index) override;
    int32_t* Data() override;
    void ShrinkToFit() override { values_.shrink_to_fit(); }
    void Clear() override { values_.clear(); }
    bool IsEmpty() override { return values_.empty(); }
    int32_t* Front() override;
    int32_t* Back() override;
    void PopBack() override {
        if (!values_.empty()) values_.pop_back();
    }
    void PushBack(int32_t value) override;
    int Size() override { return static_cast<int>(values_.size()); }
    void Resize(int count) override;
    int Capacity() override { return static_cast<int>(values_.capacity()); }
    void Reserve(int count) override;
    void Sort() override;

    const std::vector<int32_t>& values() const { return values_; }

private:
    ~CIntArray() override = default;
    int32_t* require_element(const char* what);

    std::vector<int32_t> values_;
};
