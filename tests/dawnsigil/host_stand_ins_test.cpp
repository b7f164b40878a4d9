// The reference host's pieces behind the logo: the drawing table of Lattix, the sound channels of
// Chimewell2, the keyboard device and the frame clock.
#include <gtest/gtest.h>

#include <cstring>

#include "host/event_log.h"
#include "host/frame_clock.h"
#include "host/keyboard_device.h"
#include "host/surface.h"
#include "interfaces/guids.h"
#include "interfaces/logo_graphics.h"
#include "interfaces/sound.h"
#include "platform/clock.h"
#include "platform/modules.h"

namespace {

// The table slot of a virtual operation (Itanium ABI: a pointer to a virtual member holds one plus
// its byte offset in the table).
template <class F>
size_t slot_of(F f) {
    static_assert(sizeof(F) == 2 * sizeof(void*));
    uintptr_t ptr;
    std::memcpy(&ptr, &f, sizeof ptr);
    return (ptr - 1) / sizeof(void*);
}

TEST(LogoGraphTable, OperationsStandInTheirSlots) {
    EXPECT_EQ(slot_of(&ILogoGraph::AddRef), 0u);
    EXPECT_EQ(slot_of(&ILogoGraph::Release), 1u);
    EXPECT_EQ(slot_of(&ILogoGraph::Init), 2u);
    EXPECT_EQ(slot_of(&ILogoGraph::SetSetting), 3u);
    EXPECT_EQ(slot_of(&ILogoGraph::Copy), 4u);
    EXPECT_EQ(slot_of(&ILogoGraph::BlendConst), 7u);
    EXPECT_EQ(slot_of(&ILogoGraph::BlendAlpha), 10u);
    EXPECT_EQ(slot_of(&ILogoGraph::BlendAlphaOpacity), 14u);
    EXPECT_EQ(slot_of(&ILogoGraph::Fill), 21u);
    EXPECT_EQ(slot_of(&ILogoGraph::BlendFill), 23u);
    EXPECT_EQ(slot_of(&ILogoGraph::StretchBlendAlpha), 32u);
    EXPECT_EQ(slot_of(&ILogoGraph::StretchCopy), 44u);
    EXPECT_EQ(slot_of(&ILogoGraph::StretchCopyAlpha), 46u);
    EXPECT_EQ(slot_of(&IMusic::Prepare), 2u);
    EXPECT_EQ(slot_of(&IMusic::QueryFacet), 7u);
    EXPECT_EQ(slot_of(&IMusicFade::Fade), 0u);
    EXPECT_EQ(slot_of(&IMusicMemory::PrepareFromMemory), 0u);
    EXPECT_EQ(slot_of(&IKeyboardDevice::IsKeyDown), 3u);
}

template <class Interface>
Interface* create(const char* module, const GUID& iid) {
    EXPECT_TRUE(platform::load_module(std::string(VK_LIB_DIR) + "/lib" + module + ".so"));
    auto fn = reinterpret_cast<CreateInterfaceFn>(platform::find_export(platform::find_module(module), "CreateInterface"));
    return fn ? static_cast<Interface*>(fn(&iid)) : nullptr;
}

// A surface of one colour with an optional alpha plane.
struct TestSurface {
    ISurface* s;
    TestSurface(int w, int h, uint32_t bgra, bool alpha = false, int bpp = 32) : s(host::Surface::create(w, h, bpp, alpha)) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w && bpp == 32; ++x) std::memcpy(s->GetPixelAddress(x, y), &bgra, 4);
    }
    ~TestSurface() { s->Release(); }
    uint32_t at(int x, int y) const {
        uint32_t v;
        std::memcpy(&v, s->GetPixelAddress(x, y), 4);
        return v;
    }
    void set(int x, int y, uint32_t v) { std::memcpy(s->GetPixelAddress(x, y), &v, 4); }
    ISurface* operator->() const { return s; }
};

class LogoGraph : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(graph, nullptr); }
    void TearDown() override {
        if (graph) graph->Release();
    }
    ILogoGraph* graph = create<ILogoGraph>("Lattix", IID_ILogoGraph);
};

constexpr uint32_t kGuard = 0x11223344, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

TEST_F(LogoGraph, CopyIsClippedToBothSurfaces) {
    TestSurface dst(8, 6, kGuard), src(4, 4, kRed);
    graph->Copy(dst.s, -2, 4, src.s, 0, 0, 4, 4);  // two columns off the left, two rows off the bottom
    graph->Copy(dst.s, 7, -2, src.s, 1, 1, 9, 9);  // the source runs out before the rectangle does
    graph->Copy(dst.s, 3, 0, src.s, 3, 0, 2, 1);   // one source column past the edge
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool first = x < 2 && y >= 4, second = x == 7 && y == 0, third = x == 3 && y == 0;
            EXPECT_EQ(dst.at(x, y), first || second || third ? kRed : kGuard) << x << "," << y;
        }
}

TEST_F(LogoGraph, AlphaBlendWeighsByTheAlphaPlaneOrTheFourthByte) {
    TestSurface dst(2, 1, 0xFF000000);  // black
    TestSurface planed(2, 1, 0x00FFFFFF, true), fourth(2, 1, 0x80FFFFFF);
    *planed->GetAlphaAddress(0, 0) = 255;
    *planed->GetAlphaAddress(1, 0) = 0;
    graph->BlendAlpha(dst.s, 0, 0, planed.s, 0, 0, 2, 1);
    EXPECT_EQ(dst.at(0, 0), 0xFFFFFFFFu) << "opaque where the plane says 255, fourth byte kept";
    EXPECT_EQ(dst.at(1, 0), 0xFF000000u) << "untouched where it says 0";
    graph->BlendAlphaOpacity(dst.s, 1, 0, fourth.s, 0, 0, 1, 1, 255);
    EXPECT_EQ(dst.at(1, 0), 0xFF808080u) << "0x80 of white over black";
    TestSurface half(1, 1, 0xFF000000);
    graph->BlendAlphaOpacity(half.s, 0, 0, fourth.s, 0, 0, 1, 1, 128);
    EXPECT_EQ(half.at(0, 0), 0xFF404040u) << "alpha times opacity";
}

TEST_F(LogoGraph, ConstantBlendAndFills) {
    TestSurface dst(4, 4, 0xFF000000), white(4, 4, 0x00FFFFFF);
    graph->BlendConst(dst.s, 0, 0, white.s, 0, 0, 1, 1, 1);
    EXPECT_EQ(dst.at(0, 0), 0xFF010101u);
    graph->BlendFill(dst.s, 1, 1, 10, 10, 255, 255, 255, 254);
    EXPECT_EQ(dst.at(3, 3), 0xFFFEFEFEu);
    EXPECT_EQ(dst.at(0, 1), 0xFF000000u);
    graph->Fill(dst.s, -5, -5, 6, 6, 0x12, 0x34, 0x56);
    EXPECT_EQ(dst.at(0, 0), 0xFF123456u);
    EXPECT_EQ(dst.at(1, 1), 0xFFFEFEFEu);
    graph->BlendFill(dst.s, 0, 0, 4, 4, 255, 0, 0, 1000);  // opacity is kept to 0-255
    EXPECT_EQ(dst.at(2, 2), 0xFFFF0000u);
}

TEST_F(LogoGraph, StretchingSamplesTheNearestPixelAndClips) {
    TestSurface src(2, 2, kRed, true);
    src.set(1, 0, kBlue);
    src.set(0, 1, kBlue);
    *src->GetAlphaAddress(1, 1) = 77;
    TestSurface dst(4, 4, kGuard, true);
    graph->StretchCopy(dst.s, 0, 0, 4, 4, src.s, 0, 0, 2, 2);
    graph->StretchCopyAlpha(dst.s, 0, 0, 4, 4, src.s, 0, 0, 2, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(dst.at(x, y), (x < 2) == (y < 2) ? kRed : kBlue) << x << "," << y;
            EXPECT_EQ(*dst->GetAlphaAddress(x, y), x >= 2 && y >= 2 ? 77 : 0);
        }
    TestSurface small(3, 3, kGuard);
    graph->StretchCopy(small.s, -2, -2, 4, 4, src.s, 0, 0, 2, 2);  // only the bottom-right quarter lands
    EXPECT_EQ(small.at(0, 0), kRed);
    EXPECT_EQ(small.at(1, 1), kRed);
    EXPECT_EQ(small.at(2, 0), kGuard);
    EXPECT_EQ(small.at(0, 2), kGuard);
    TestSurface blend(2, 2, 0xFF000000);
    graph->StretchBlendAlpha(blend.s, 0, 0, 2, 2, src.s, 1, 1, 1, 1);  // one pixel of alpha 77 everywhere
    EXPECT_EQ(blend.at(1, 1), 0xFF4D0000u) << "red at 77 / 255 over black";
}

TEST_F(LogoGraph, SurfacesOfOtherDepthsAreLeftAlone) {
    TestSurface dst(2, 2, kGuard);
    ISurface* eight = host::Surface::create(2, 2, 8, false);
    std::memset(eight->GetPixelAddress(0, 0), 0xEE, size_t(eight->GetPitch()) * 2);
    graph->Copy(dst.s, 0, 0, eight, 0, 0, 2, 2);
    graph->Copy(eight, 0, 0, dst.s, 0, 0, 2, 2);
    EXPECT_EQ(dst.at(1, 1), kGuard);
    EXPECT_EQ(*eight->GetPixelAddress(1, 1), 0xEE);
    eight->Release();
    graph->Copy(nullptr, 0, 0, dst.s, 0, 0, 2, 2);
    graph->Copy(dst.s, 0, 0, nullptr, 0, 0, 2, 2);
}

class SoundChannels : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(sound, nullptr);
        platform::set_clock(&clock);
        host::clear_events();
    }
    void TearDown() override {
        sound->Release();
        platform::set_clock(nullptr);
    }
    platform::SteppedClock clock;
    ISound2* sound = create<ISound2>("Chimewell2", IID_ISound2);
};

TEST_F(SoundChannels, ChannelsAreMadeOnceAndOnlyInRange) {
    IMusic* zero = sound->GetIMusic(0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(sound->GetIMusic(0), zero);
    EXPECT_NE(sound->GetIMusic(63), nullptr);
    EXPECT_EQ(sound->GetIMusic(64), nullptr);
    EXPECT_EQ(sound->GetIMusic(-1), nullptr);
    EXPECT_NE(zero->QueryFacet(IID_IMusicFade), nullptr);
    EXPECT_NE(zero->QueryFacet(IID_IMusicMemory), nullptr);
    EXPECT_EQ(zero->QueryFacet(IID_IMusicSeek), nullptr);
}

TEST_F(SoundChannels, PrepareFromMemoryKeepsACopy) {
    IMusic* channel = sound->GetIMusic(0);
    auto* memory = static_cast<IMusicMemory*>(channel->QueryFacet(IID_IMusicMemory));
    EXPECT_FALSE(channel->Play()) << "nothing prepared";
    char bytes[] = "RIFF";
    ASSERT_TRUE(memory->PrepareFromMemory(bytes, 4));
    std::memset(bytes, 0, sizeof bytes);  // the caller frees its buffer
    EXPECT_EQ(sound->GetUnuseChannel(), 1);
    EXPECT_TRUE(channel->Play());
    EXPECT_TRUE(channel->IsPlay());
    EXPECT_TRUE(channel->Unprepare());
    EXPECT_FALSE(channel->IsPlay());
    EXPECT_EQ(sound->GetUnuseChannel(), 0);
    EXPECT_FALSE(memory->PrepareFromMemory(nullptr, 4));
    EXPECT_FALSE(memory->PrepareFromMemory(bytes, 0));
    EXPECT_EQ(host::events(), std::vector<std::string>({"Chimewell2.Play 0", "Chimewell2.PrepareFromMemory 0 4 52494646",
                                                        "Chimewell2.Play 0", "Chimewell2.Unprepare 0",
                                                        "Chimewell2.PrepareFromMemory 0 failed",
                                                        "Chimewell2.PrepareFromMemory 0 failed"}));
}

TEST_F(SoundChannels, FadesRunOnThePlatformClock) {
    IMusic* channel = sound->GetIMusic(2);
    auto* fade = static_cast<IMusicFade*>(channel->QueryFacet(IID_IMusicFade));
    ASSERT_TRUE(channel->Prepare(5));
    ASSERT_TRUE(channel->Play());
    EXPECT_TRUE(fade->Fade(0, 40, false));
    EXPECT_FALSE(fade->IsFade()) << "time 0 sets the volume at once";
    EXPECT_TRUE(fade->Fade(1000, 0, true));
    clock.advance(999);
    EXPECT_TRUE(fade->IsFade());
    EXPECT_TRUE(channel->IsPlay());
    clock.advance(1);
    EXPECT_FALSE(fade->IsFade());
    EXPECT_FALSE(channel->IsPlay()) << "a fade that stops ends the sound";
}

TEST(FrameClock, EveryReadMovesOnAndDueActionsRunFirst) {
    host::FrameClock clock(16, 1000);
    std::vector<uint32_t> fired;
    clock.at(1040, [&] { fired.push_back(40); });
    clock.at(1016, [&] {
        fired.push_back(16);
        clock.at(1020, [&] { fired.push_back(20); });  // scheduled by an action
    });
    EXPECT_EQ(clock.peek(), 1000u);
    EXPECT_EQ(clock.tick_ms(), 1000u);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(clock.tick_ms(), 1016u);
    EXPECT_EQ(fired, std::vector<uint32_t>({16}));
    EXPECT_EQ(clock.tick_ms(), 1032u);
    EXPECT_EQ(fired, std::vector<uint32_t>({16, 20}));
    EXPECT_EQ(clock.tick_ms(), 1048u);
    EXPECT_EQ(fired, std::vector<uint32_t>({16, 20, 40}));
    EXPECT_EQ(clock.reads(), 4u);
    clock.sleep_ms(100);
    EXPECT_EQ(clock.peek(), 1164u) << "sleeping still moves it";
}

TEST(KeyboardDevice, KeysGoDownAndUpAsTold) {
    host::KeyboardDevice keyboard;
    host::clear_events();
    keyboard.Init();
    EXPECT_EQ(keyboard.init_calls(), 1);
    EXPECT_EQ(host::events(), std::vector<std::string>({"IKeyboardDevice.Init"}));
    EXPECT_FALSE(keyboard.IsKeyDown(13));
    keyboard.set_down(13, true);
    EXPECT_TRUE(keyboard.IsKeyDown(13));
    EXPECT_FALSE(keyboard.IsKeyDown(27));
    keyboard.set_down(13, false);
    EXPECT_FALSE(keyboard.IsKeyDown(13));
    EXPECT_EQ(keyboard.queries(), 4);
}

}  // namespace
