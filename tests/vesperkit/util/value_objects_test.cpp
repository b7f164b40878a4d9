// The engine's own int array and string.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "vesperkit/util/int_array.h"
#include "vesperkit/util/string_wrapper.h"

namespace {

struct Releaser {
    void operator()(CIntArray* array) const { array->Release(); }
};
using IntArray = std::unique_ptr<CIntArray, Releaser>;

TEST(CIntArray, GrowsShrinksAndSorts) {
    IntArray array(new CIntArray);
    EXPECT_TRUE(array->IsEmpty());
    EXPECT_EQ(array->Capacity(), 0);
    array->PopBack();  // nothing to remove
    EXPECT_EQ(array->Size(), 0);

    for (const int v : {5, -3, 12, 0, -40}) array->PushBack(v);
    EXPECT_EQ(array->Size(), 5);
    EXPECT_EQ(*array->Front(), 5);
    EXPECT_EQ(*array->Back(), -40);
    *array->At(2) = 13;
    array->Sort();
    EXPECT_EQ(array->values(), (std::vector<int32_t>{-40, -3, 0, 5, 13}));
    EXPECT_EQ(array->Data(), array->At(0));

    array->Resize(7);
    EXPECT_EQ(array->values(), (std::vector<int32_t>{-40, -3, 0, 5, 13, 0, 0}));
    array->Resize(2);
    array->PopBack();
    EXPECT_EQ(array->values(), (std::vector<int32_t>{-40}));
    array->Reserve(100);
    EXPECT_GE(array->Capacity(), 100);
    array->ShrinkToFit();
    EXPECT_EQ(array->Capacity(), 1);
    array->Clear();
    EXPECT_TRUE(array->IsEmpty());
}

TEST(CIntArray, MisuseThrowsInsteadOfTouchingMemory) {
    IntArray array(new CIntArray);
    EXPECT_THROW(array->Data(), std::out_of_range);
    EXPECT_THROW(array->Front(), std::out_of_range);
    EXPECT_THROW(array->Back(), std::out_of_range);
    EXPECT_THROW(array->At(0), std::out_of_range);
    array->PushBack(1);
    EXPECT_THROW(array->At(1), std::out_of_range);
    EXPECT_THROW(array->At(-1), std::out_of_range);
    EXPECT_THROW(array->Reserve(CIntArray::kMaxCount + 1), std::length_error);
    EXPECT_THROW(array->Reserve(-1), std::length_error);
    EXPECT_THROW(array->Resize(-1), std::length_error);
    EXPECT_EQ(array->values(), (std::vector<int32_t>{1}));
}

TEST(CIntArray, CountsReferences) {
    auto* array = new CIntArray;
    EXPECT_EQ(array->AddRef(), 2);
    EXPECT_EQ(array->Release(), 1);
    EXPECT_EQ(array->Release(), 0);
}

TEST(CStringWrapper, HoldsACopyAndNullEmptiesIt) {
    std::string source = "abc";
    CStringWrapper text(source);
    source[0] = 'x';
    EXPECT_STREQ(text.Get(), "abc");
    IString& as_script_string = text;
    as_script_string.Set("\x82\xA0" "def");
    EXPECT_STREQ(as_script_string.Get(), "\x82\xA0" "def");
    as_script_string.Set(nullptr);
    EXPECT_STREQ(as_script_string.Get(), "");
    EXPECT_EQ(as_script_string.AddRef(), 1);
    EXPECT_EQ(as_script_string.Release(), 1);
}

}  // namespace
