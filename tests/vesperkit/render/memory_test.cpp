// CMemory: a counted byte block that keeps its bytes when a change fails.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/faults.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/render/memory.h"

namespace {

struct Block {
    CMemory* m = vesperkit::allocate<CMemory>("CMemory");
    ~Block() {
        if (m) m->Release();
    }
    std::string text() const { return std::string(static_cast<const char*>(m->GetBuffer()), size_t(m->GetSize())); }
};

TEST(Memory, AllocateGivesZerosAndResizeKeepsTheBytes) {
    Block b;
    EXPECT_EQ(b.m->GetSize(), 0);
    EXPECT_EQ(b.m->GetBuffer(), nullptr) << "empty: no first byte";
    ASSERT_TRUE(b.m->Allocate(4));
    EXPECT_EQ(b.text(), std::string(4, '\0'));
    std::memcpy(b.m->GetBuffer(), "abcd", 4);
    ASSERT_TRUE(b.m->Resize(6));
    EXPECT_EQ(b.text(), std::string("abcd\0\0", 6));
    ASSERT_TRUE(b.m->Resize(2));
    EXPECT_EQ(b.text(), "ab");
    ASSERT_TRUE(b.m->Allocate(3));
    EXPECT_EQ(b.text(), std::string(3, '\0')) << "allocate replaces";
    b.m->Free();
    EXPECT_EQ(b.m->GetSize(), 0);
    EXPECT_EQ(b.m->GetBuffer(), nullptr);
}

TEST(Memory, AFailedChangeKeepsThePreviousBytes) {
    Block b;
    ASSERT_TRUE(b.m->Resize(3));
    std::memcpy(b.m->GetBuffer(), "xyz", 3);
    EXPECT_FALSE(b.m->Allocate(-1));
    EXPECT_FALSE(b.m->Resize(-1));
    platform::fail("Vesperkit.CMemory.Allocate");
    EXPECT_FALSE(b.m->Allocate(10));
    EXPECT_FALSE(b.m->Resize(10));
    platform::heal_all();
    EXPECT_EQ(b.text(), "xyz");
}

TEST(Memory, AssignTakesAWholeFile) {
    Block b;
    ASSERT_TRUE(b.m->Assign({'h', 'i'}));
    EXPECT_EQ(b.text(), "hi");
}

TEST(Memory, TheLastReleaseDestroysIt) {
    CMemory* m = vesperkit::allocate<CMemory>("CMemory");
    ASSERT_TRUE(m->Allocate(100));
    EXPECT_EQ(m->AddRef(), 2);
    EXPECT_EQ(m->Release(), 1);
    EXPECT_EQ(m->Release(), 0);  // freed here; the sanitizer build reports a leak otherwise
}

}  // namespace
