#include "vesperkit/util/int_array.h"

#include <algorithm>
#include <stdexcept>
#include <string>

int32_t* CIntArray::At(int index) {
    if (index < 0 || static_cast<size_t>(index) >= values_.size())
        throw std::out_of_range("CIntArray: index " + std::to_string(index) + " outside the array");
    return &values_[static_cast<size_t>(index)];
}

int32_t* CIntArray::require_element(const char* what) {
    if (values_.empty()) throw std::out_of_range(std::string("CIntArray: ") + what + " of an empty array");
    return values_.data();
}

int32_t* CIntArray::Data() { return require_element("storage"); }

int32_t* CIntArray::Front() { return require_element("first element"); }

int32_t* CIntArray::Back() { return require_element("last element") + (values_.size() - 1); }

void CIntArray::PushBack(int32_t value) {
    if (values_.size() >= static_cast<size_t>(kMaxCount)) throw std::length_error("CIntArray: too many elements");
    values_.push_back(value);
}

void CIntArray::Resize(int count) {
    if (count < 0 || count > kMaxCount) throw std::length_error("CIntArray: bad size");
    values_.resize(static_cast<size_t>(count), 0);
}

void CIntArray::Reserve(int count) {
    if (count < 0 || count > kMaxCount) throw std::length_error("CIntArray: reserve too large");
    values_.reserve(static_cast<size_t>(count));
}

void CIntArray::Sort() { std::sort(values_.begin(), values_.end()); }
