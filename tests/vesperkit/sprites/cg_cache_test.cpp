// The CG cache and the loader on their own, with counted doubles for the link file and decoder.
#include <gtest/gtest.h>

#include <deque>

#include "host/memory_block.h"
#include "host/surface.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "vesperkit/frame/allocate.h"
#include "vesperkit/sprites/cg_cache.h"
#include "vesperkit/sprites/cg_loader.h"

namespace {

// A surface the test owns, whose count it can read.
ISurface* surface(int width, int height, bool alpha) { return host::Surface::create(width, height, 32, alpha); }

int count_of(ISurface* s) {
    const int count = s->AddRef();
    s->Release();
    return count - 1;
}

struct Boxes {
    Boxes() {
        platform::set_message_box_sink([this](const platform::MessageBoxRequest& box) {
            seen.push_back(box);
            if (answers.empty()) return platform::MessageBoxAnswer::kCancel;
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~Boxes() { platform::set_message_box_sink(nullptr); }
    std::vector<platform::MessageBoxRequest> seen;
    std::deque<platform::MessageBoxAnswer> answers;
};

class Cache : public testing::Test {
protected:
    CCGCache* make(uint32_t capacity) {
        cache_ = vesperkit::allocate<CCGCache>("CCGCache", nullptr, nullptr, capacity);
        return cache_;
    }
    void TearDown() override {
        if (cache_) cache_->Release();
    }
    CCGCache* cache_ = nullptr;
};

TEST_F(Cache, CostIsPixelAndAlphaLinesTimesHeight) {
    ISurface* plain = surface(10, 3, false);
    ISurface* alpha = surface(10, 3, true);
    EXPECT_EQ(CCGCache::CostOf(plain), 40u * 3);
    EXPECT_EQ(CCGCache::CostOf(alpha), (40u + 12) * 3);
    plain->Release();
    alpha->Release();
}

TEST_F(Cache, TheOldestEntriesGoWhileTheTotalExceedsTheCapacity) {
    make(1000);
    ISurface* s[4];
    for (int i = 0; i < 4; ++i) s[i] = surface(25, 4, false);  // 400 bytes each
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(cache_->Add(s[i], i));
    EXPECT_EQ(cache_->numbers(), (std::vector<int>{0, 1}));
    EXPECT_EQ(cache_->total_bytes(), 800u);
    ASSERT_TRUE(cache_->Add(s[2], 2));
    EXPECT_EQ(cache_->numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(cache_->total_bytes(), 800u);
    EXPECT_EQ(count_of(s[0]), 1) << "the evicted surface lost the cache's reference";
    EXPECT_EQ(count_of(s[1]), 2);

    // A hit makes the entry the newest, so the other one goes next.
    ISurface* hit = cache_->Find(1);
    EXPECT_EQ(hit, s[1]);
    EXPECT_EQ(count_of(s[1]), 3) << "a reference for the finder";
    hit->Release();
    EXPECT_EQ(cache_->numbers(), (std::vector<int>{2, 1}));
    ASSERT_TRUE(cache_->Add(s[3], 3));
    EXPECT_EQ(cache_->numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(cache_->Find(2), nullptr);
    for (ISurface* x : s) x->Release();
}

TEST_F(Cache, TheNewestEntryStaysEvenAloneBeyondTheCapacity) {
    for (uint32_t capacity : {0u, 100u}) {
        make(capacity);
        ISurface* big = surface(100, 100, true);
        ISurface* bigger = surface(200, 100, false);
        ASSERT_TRUE(cache_->Add(big, 1));
        EXPECT_EQ(cache_->numbers(), std::vector<int>{1});
        ASSERT_TRUE(cache_->Add(bigger, 2));
        EXPECT_EQ(cache_->numbers(), std::vector<int>{2});
        EXPECT_EQ(cache_->total_bytes(), CCGCache::CostOf(bigger));
        big->Release();
        bigger->Release();
        cache_->Release();
        cache_ = nullptr;
    }
}

// A surface that only reports its size: gigabytes of cost without the memory.
class ReportedSurface : public ISurface {
public:
    ReportedSurface(int pitch, int height) : pitch_(pitch), height_(height) {}
    int AddRef() override { return ++count_; }
    int Release() override { return --count_; }
    uint8_t* GetPixelAddress(int, int) override { return nullptr; }
    uint8_t* GetAlphaAddress(int, int) override { return nullptr; }
    int GetWidth() override { return pitch_ / 4; }
    int GetHeight() override { return height_; }
    int GetBitsPerPixel() override { return 32; }
    int GetPitch() override { return pitch_; }
    int GetAlphaPitch() override { return 0; }
    bool HasPixel() override { return true; }
    bool HasAlphaMap() override { return false; }
    int count() const { return count_; }

private:
    int pitch_, height_, count_ = 1;
};

TEST_F(Cache, TotalsBeyondFourGigabytesDoNotWrap) {
    // Two entries of 3 GiB: a 32-bit total would wrap to 2 GiB, under the capacity, and keep both.
    make(0xFFFFFF00u);
    ReportedSurface a(1 << 30, 3), b(1 << 30, 3);
    ASSERT_TRUE(cache_->Add(&a, 1));
    ASSERT_TRUE(cache_->Add(&b, 2));
    EXPECT_EQ(cache_->numbers(), std::vector<int>{2});
    EXPECT_EQ(cache_->total_bytes(), uint64_t(3) << 30);
    EXPECT_EQ(a.count(), 1);
}

TEST_F(Cache, ASecondRegistrationIsReportedAndKeepsTheFirst) {
    Boxes boxes;
    make(1 << 20);
    ISurface* first = surface(2, 2, false);
    ISurface* second = surface(2, 2, false);
    ASSERT_TRUE(cache_->Add(first, 5));
    EXPECT_FALSE(cache_->Add(second, 5));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Vesperkit.dll");
    EXPECT_EQ(boxes.seen[0].text,
              platform::convert("ＣＧキャッシュへのサーフェス登録で、すでにＣＧが登録されていました",
                                platform::kCodePageUtf8, 932));
    EXPECT_EQ(count_of(second), 1) << "the second surface was not kept";
    ISurface* found = cache_->Find(5);
    EXPECT_EQ(found, first);
    found->Release();
    first->Release();
    second->Release();
}

TEST_F(Cache, LettingGoOfTheCacheReleasesEveryEntry) {
    make(1 << 20);
    ISurface* s = surface(2, 2, false);
    cache_->Add(s, 1);
    EXPECT_EQ(count_of(s), 2);
    cache_->Release();
    cache_ = nullptr;
    EXPECT_EQ(count_of(s), 1);
    s->Release();
}

// A link file whose answers the test scripts: each Load takes the next entry (null: nothing).
class ScriptedLinkFile : public IVLTFile {
public:
    int AddRef() override { return 2; }
    int Release() override { return 1; }
    IMemory* Load(int) override {
        ++loads;
        if (answers.empty()) return nullptr;
        const bool present = answers.front();
        answers.pop_front();
        return present ? new host::MemoryBlock({1, 2, 3}) : nullptr;
    }
    bool IsExist(int) override { return true; }
    bool IsExistSound(int) override { return true; }
    int GetNumof() override { return 1; }
    void* GetPointer() override { return nullptr; }
    const char* GetDataFileName() override { return ""; }
    const char* GetLinkFileName() override { return ""; }
    std::deque<bool> answers;
    int loads = 0;
};

// A decoder that succeeds from a given call on.
class ScriptedDecoder : public IUngild {
public:
    int AddRef() override { return 2; }
    int Release() override { return 1; }
    ISurface* Decode(const void*, int) override {
        ++decodes;
        return decodes >= succeed_from ? surface(3, 3, false) : nullptr;
    }
    int decodes = 0;
    int succeed_from = 1 << 30;
};

class Loader : public testing::Test {
protected:
    void SetUp() override {
        cache_ = vesperkit::allocate<CCGCache>("CCGCache", nullptr, nullptr, 1 << 20);
        loader_.Init(&link_, &decoder_, nullptr, cache_, nullptr);
    }
    void TearDown() override { cache_->Release(); }
    ScriptedLinkFile link_;
    ScriptedDecoder decoder_;
    CCGCache* cache_ = nullptr;
    vesperkit::sprites::CgLoader loader_;
    Boxes boxes_;
};

TEST_F(Loader, AnEntryThatFailsOnceIsAskedForAgain) {
    link_.answers = {false, true};
    decoder_.succeed_from = 1;
    ISurface* s = loader_.Load(4);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(link_.loads, 2);
    EXPECT_EQ(cache_->numbers(), std::vector<int>{4});
    s->Release();
    ISurface* again = loader_.Load(4);
    EXPECT_EQ(again, s) << "from the cache";
    EXPECT_EQ(link_.loads, 2);
    again->Release();
}

TEST_F(Loader, AnEntryMissingTwiceIsNullWithoutABox) {
    link_.answers = {false, false, true};
    EXPECT_EQ(loader_.Load(4), nullptr);
    EXPECT_EQ(link_.loads, 2);
    EXPECT_EQ(decoder_.decodes, 0);
    EXPECT_TRUE(boxes_.seen.empty());
}

TEST_F(Loader, TwoFailedDecodesAskTheUserAndRetryStartsAfresh) {
    link_.answers = {true, true, true, true, true};
    decoder_.succeed_from = 4;
    boxes_.answers = {platform::MessageBoxAnswer::kRetry};
    ISurface* s = loader_.Load(8);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(boxes_.seen.size(), 1u) << "asked after the second failure";
    EXPECT_EQ(decoder_.decodes, 4) << "two decodes, the box, then two more counted afresh";
    EXPECT_EQ(boxes_.seen[0].buttons, platform::MessageBoxButtons::kRetryCancel);
    EXPECT_EQ(boxes_.seen[0].text, platform::convert("8番のCGのロードに失敗しました。", platform::kCodePageUtf8, 932));
    s->Release();
}

TEST_F(Loader, CancelIsRememberedPerCg) {
    link_.answers = std::deque<bool>(20, true);
    EXPECT_EQ(loader_.Load(8), nullptr);
    EXPECT_TRUE(loader_.dismissed(8));
    EXPECT_EQ(loader_.Load(8), nullptr);
    EXPECT_EQ(boxes_.seen.size(), 1u);
    EXPECT_EQ(decoder_.decodes, 4) << "a dismissed CG is still tried, only not asked about";
    EXPECT_EQ(loader_.Load(9), nullptr);
    EXPECT_EQ(boxes_.seen.size(), 2u) << "another CG asks on its own";
}

TEST_F(Loader, WithoutACacheNothingLoads) {
    vesperkit::sprites::CgLoader bare;
    bare.Init(&link_, &decoder_, nullptr, nullptr, nullptr);
    link_.answers = {true};
    EXPECT_EQ(bare.Load(1), nullptr);
    EXPECT_EQ(link_.loads, 0);
}

}  // namespace
