// Shutdown: the host lets go of the root and the engine releases what it obtained, in order.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/engine_host.h"

namespace {

using test_support::EngineHost;

std::vector<std::string> releases_of(const std::vector<std::string>& events, const std::vector<std::string>& names) {
    std::vector<std::string> seen;
    for (const auto& e : events) {
        if (e.rfind("Release ", 0) != 0) continue;
        const std::string name = e.substr(8);
        if (std::find(names.begin(), names.end(), name) != names.end()) seen.push_back(name);
    }
    return seen;
}

bool appears_in_order(const std::vector<std::string>& events, const std::vector<std::string>& wanted) {
    size_t next = 0;
    for (const auto& e : events)
        if (next < wanted.size() && e == "Release " + wanted[next]) ++next;
    return next == wanted.size();
}

TEST(Teardown, ReleasesServiceInterfacesInOrder) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    host::clear_events();
    engine.host().release_root();
    const auto events = host::events();
    EXPECT_TRUE(appears_in_order(events, {"IKeyState", "ISound2", "IFFT", "IDrawPluginManager", "IXXILoader",
                                          "IXXILoader2", "IUngild", "IDrawText2", "IVLTFileManager", "IGraph3",
                                          "ISurfaceFactory"}));
    // Each service object was released to its end: every Release recorded belongs to a live count.
    for (const char* once : {"IFFT", "IXXILoader", "IXXILoader2", "IDrawText2", "IVLTFileManager"})
        EXPECT_EQ(releases_of(events, {once}).size(), 1u) << once;
}

// The host's own interfaces are borrowed: whatever references the engine took it gave back, and the
// only one it releases for good is the key state.
TEST(Teardown, BorrowedHostInterfacesEndWhereTheyStarted) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.host().release_root();
    auto& h = engine.host();
    EXPECT_EQ(h.main_surface.ref_count(), 1);
    EXPECT_EQ(h.timer.ref_count(), 1);
    EXPECT_EQ(h.input.ref_count(), 1);
    EXPECT_EQ(h.vm.ref_count(), 1);
    EXPECT_EQ(h.reset_flag.ref_count(), 1);
    EXPECT_EQ(h.key_state.ref_count(), 0);
}

TEST(Teardown, TheRootIsGoneAfterTheHostLetGo) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    engine.host().release_root();
    // Exports find no root and answer 0 instead of touching freed memory.
    EXPECT_EQ(engine.vk.GetInterface(&IID_ITarnEngine), nullptr);
    EXPECT_EQ(engine.vk.Debug_GetMaxAllocatedMemorySize(), 0);
}

// The balancer keeps its listeners after the engine has gone; a change then reaches nothing.
TEST(Teardown, VolumeChangesAfterShutdownAreHarmless) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    EXPECT_EQ(engine.host().volume.listener_count(), 3u);
    engine.host().release_root();
    engine.host().volume.set_volume(0, 40);
    engine.host().volume.set_mute(3, true);
    engine.host().volume.set_third(2, true);
    SUCCEED();  // under ASan a notification reaching a freed watcher fails this test
}

TEST(Teardown, AHalfInitialisedRootStillTearsDownCleanly) {
    platform::fail("host.IVM");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    engine.host().release_root();
    EXPECT_EQ(engine.vk.GetInterface(&IID_ITarnEngine), nullptr);
}

}  // namespace
