#include <gtest/gtest.h>

#include <functional>

#include "fixtures/logo_rig.h"

namespace {

using namespace dawnsigil_fixtures;
using LogoInit = LogoRig;

TEST_F(LogoInit, BindsTheHostAndItsServices) {
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(host::events(), std::vector<std::string>({"IKeyboardDevice.Init", "Lattix.ILogoGraph.Init",
                                                        "Lattix.ILogoGraph.SetSetting 1"}));
    EXPECT_TRUE(messages_.requests().empty());
}

TEST_F(LogoInit, EachMissingPieceFailsInitAndRunIsStillSafe) {
    struct Case {
        const char* name;
        std::function<void(LogoInit&)> arrange;
        std::string message;  // empty: none
    };
    const Case cases[] = {
        {"no message pump", [](LogoInit&) { platform::fail("host.IWinMsg"); }, ""},
        {"no timer", [](LogoInit&) { platform::fail("host.ITimer"); }, ""},
        {"no main surface", [](LogoInit&) { platform::fail("host.IMainSurface"); }, ""},
        {"no keyboard", [](LogoInit&) { platform::fail("host.IKeyboardDevice"); }, ""},
        {"no volume groups", [](LogoInit&) { platform::fail("host.IVolumeValancer"); }, ""},
        {"surface factory not loaded", [](LogoInit&) { platform::unregister_module("Facetry"); },
         sjis(u8"ＤＬＬ【 Facetry 】の読み込みに失敗しました")},
        {"drawing library without its export", [](LogoInit&) { platform::register_module("Lattix", {}); },
         sjis(u8"CreateInterfaceの取得に失敗しました")},
        {"drawing library refuses", [](LogoInit&) { platform::fail("Lattix.CreateInterface"); },
         sjis(u8"CreateInterfaceに失敗しました")},
        {"drawing library cannot start", [](LogoInit&) { platform::fail("ILogoGraph.Init"); }, ""},
        {"sound library refuses", [](LogoInit&) { platform::fail("Chimewell2.CreateInterface"); },
         sjis(u8"CreateInterfaceに失敗しました")},
        {"no sound channel", [](LogoInit&) { platform::fail("ISound2.GetIMusic"); }, ""},
        {"no picture archive", [](LogoInit&) { std::filesystem::remove("Dawnsigil.mrl"); },
         sjis(u8"ＣＧリンクファイル【 Dawnsigil.mrl 】の読み込みに失敗しました")},
        {"picture archive of another kind", [](LogoInit&) { write_file("Dawnsigil.mrl", raw_bytes("MRLX\1\0\0\0")); },
         sjis(u8"ＣＧリンクファイル【 Dawnsigil.mrl 】のＩＤが未定義です")},
        {"picture archive without entries", [](LogoInit&) { write_file("Dawnsigil.mrl", write_mrl({})); }, ""},
        {"picture archive shorter than its header", [](LogoInit&) { write_file("Dawnsigil.mrl", bytes_of("MRL0")); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case starts from a host with everything in place.
        platform::heal_all();
        host_.load_service_modules(VK_LIB_DIR);
        write_file("Dawnsigil.mrl", logo_picture_archive());
        c.arrange(*this);
        MessageRecorder recorder;
        EXPECT_EQ(init(), 0);
        if (c.message.empty()) {
            EXPECT_TRUE(recorder.requests().empty());
        } else {
            ASSERT_EQ(recorder.requests().size(), 1u);
            EXPECT_EQ(recorder.requests()[0].text, c.message);
            EXPECT_EQ(recorder.requests()[0].title, "Dawnsigil.dll");
            EXPECT_TRUE(recorder.requests()[0].topmost);
        }
        host::clear_events();
        run(1);
        EXPECT_EQ(host_.main_surface.present_count(), 0);
        for (const char* borrowed : {"IWinMsg", "ITimer", "IMainSurface", "IKeyboardDevice", "IVolumeValancer"})
            EXPECT_EQ(count_events(std::string("Release ") + borrowed), 0) << borrowed;
    }
}

TEST_F(LogoInit, ASecondInitLetsGoOfTheFirstOnesServices) {
    ASSERT_EQ(init(), 1);
    host::clear_events();
    ASSERT_EQ(init(), 1);
    const std::vector<std::string> all = host::events();
    const std::vector<std::string> expected = {"Chimewell2.Unprepare 0", "Release ISound2", "Release ILogoGraph",
                                               "Release ISurfaceFactory"};
    ASSERT_GE(all.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 4), expected);
    clock_.set_step(3000);
    run(5);
    EXPECT_EQ(host_.main_surface.present_count(), 3 + 1);
}

TEST_F(LogoInit, HostInterfacesAreBorrowedNotReleased) {
    ASSERT_EQ(init(), 1);
    clock_.set_step(3000);
    run(2);
    for (const char* borrowed : {"IWinMsg", "ITimer", "IMainSurface", "IKeyboardDevice", "IVolumeValancer", "IHostcore"})
        EXPECT_EQ(count_events(std::string("Release ") + borrowed), 0) << borrowed;
}

// A channel without a fade facet cannot have its volume set; the logo still plays.
TEST_F(LogoInit, AChannelWithoutFadingStillPlays) {
    platform::fail("IMusic.QueryFacet.IMusicFade");
    ASSERT_EQ(init(), 1);
    clock_.set_step(3000);
    run(2);
    EXPECT_EQ(host_.main_surface.present_count(), 3 + 1);
    EXPECT_TRUE(events_with("Chimewell2.Fade").empty());
    EXPECT_EQ(count_events("Chimewell2.Play 0"), 1);
}

}  // namespace
