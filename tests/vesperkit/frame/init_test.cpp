// Start-up of the engine against the reference host: the service libraries, the stage reports and
// the silent failures.
#include <gtest/gtest.h>

#include "support/engine_host.h"

namespace {

using test_support::EngineHost;
using test_support::sjis;

TEST(Init, StartsOnACompleteHostWithoutAnyReport) {
    EngineHost engine;
    ASSERT_TRUE(engine.loaded());
    EXPECT_TRUE(engine.init());
    EXPECT_TRUE(engine.message_boxes().empty());
    EXPECT_TRUE(engine.errors().empty());
    EXPECT_EQ(engine.host().set_callback.calls(), 1);
    EXPECT_NE(engine.host().set_callback.root(), nullptr);
}

// Each missing service library adds its line; one report lists them in table order.
TEST(Init, MissingServiceLibrariesAreReportedTogetherInTableOrder) {
    struct Case {
        std::vector<std::string> skip;
        std::vector<std::string> faults;
        std::string lines;
    };
    const Case cases[] = {
        {{"Crateva"}, {}, "IVLTFileManager取得失敗\n"},
        {{"Ungild"}, {}, "IUngild取得失敗\n"},
        {{}, {"Cantara.CreateInterface.IFFT"}, "IFFT取得失敗\n"},
        {{"Lattix"}, {}, "IGraph3取得失敗\n"},
        {{"Facetry"}, {}, "ISurfaceFactory取得失敗\n"},
        {{"Scrivet2"}, {}, "IDrawText2取得失敗\n"},
        {{"Overlayr"}, {}, "IDrawPluginManager取得失敗\n"},
        {{"Chimewell2"}, {}, "ISound2取得失敗\n"},
        {{}, {"Mapsel.CreateInterface.IXXILoader"}, "IXXILoader取得失敗\n"},
        {{}, {"Mapsel.CreateInterface.IXXILoader2"}, "IXXILoader2取得失敗\n"},
        {{"Chimewell2", "Ungild"}, {"Lattix.CreateInterface"}, "IUngild取得失敗\nIGraph3取得失敗\nISound2取得失敗\n"},
    };
    for (const Case& c : cases) {
        // One engine per process: each case runs in a child so that its root is fresh.
        EXPECT_EXIT(
            {
                for (const auto& f : c.faults) platform::fail(f);
                EngineHost engine({}, c.skip);
                const bool ok = engine.init();
                const auto& boxes = engine.message_boxes();
                const std::string want = sjis("TARN初期化エラー(CreateInterface,GetInterface)\n" + c.lines + "\n");
                std::exit(!ok && boxes.size() == 1 && boxes[0].text == want && boxes[0].title.empty() ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << c.lines;
    }
}

// Before the VM is known, a report is a plain system box and a debugger note.
TEST(Init, EarlyReportsGoToAMessageBoxWithANote) {
    EngineHost engine({}, {"Ungild"});
    EXPECT_FALSE(engine.init());
    const auto lines = platform::debug_lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), sjis("〓ERROR〓 m_pIVM=NULL @ CErrorMessage::Open @ TARN2\n"));
    EXPECT_TRUE(engine.errors().empty());
}

TEST(Init, AFailedFacadeAllocationFailsSilently) {
    platform::fail("Vesperkit.new.CTarnEngine");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    EXPECT_TRUE(engine.message_boxes().empty());
    EXPECT_TRUE(engine.errors().empty());
}

TEST(Init, OwnObjectsThatCannotBeMadeAreReported) {
    platform::fail("Vesperkit.new.CGetSurface");
    platform::fail("Vesperkit.new.CTimer");
    platform::fail("Vesperkit.new.CCSVFile");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.message_boxes().size(), 1u);
    EXPECT_EQ(engine.message_boxes()[0].text,
              sjis("TARN初期化エラー(new)\nIGetSurface取得失敗\nITimerGLE取得失敗\nICSVFile取得失敗\n\n"));
}

TEST(Init, TheSoundWrapperIsNotRequired) {
    platform::fail("Vesperkit.new.CTarnSound");
    EngineHost engine;
    EXPECT_TRUE(engine.init());
}

TEST(Init, AMissingGameMessageServiceIsReported) {
    platform::fail("vm.IVMGameMsg");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.message_boxes().size(), 1u);
    EXPECT_EQ(engine.message_boxes()[0].text, sjis("TARN初期化エラー(IVM->GetInterface())\nIVMGameMsg取得失敗\n\n"));
}

TEST(Init, TheOptionalVmServicesMayBeMissing) {
    platform::fail("vm.IVMDebugPause");
    platform::fail("vm.IVMFuncName");
    platform::fail("vm.IVMCallStack");
    EngineHost engine;
    EXPECT_TRUE(engine.init());
    EXPECT_TRUE(engine.message_boxes().empty());
}

TEST(Init, AFailedMessageLogIsReported) {
    platform::fail("Vesperkit.new.CMsgLog");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.message_boxes().size(), 1u);
    EXPECT_EQ(engine.message_boxes()[0].text, sjis("TARN初期化エラー(new)\nIMsgLog取得失敗\n\n"));
}

TEST(Init, TheDrawPluginUpdaterAndDrawerAreRequired) {
    for (const char* which : {"IDrawPluginUpdater", "IDrawPluginDrawer"}) {
        EXPECT_EXIT(
            {
                platform::fail(std::string("Overlayr.") + which);
                EngineHost engine;
                const bool ok = engine.init();
                const auto& boxes = engine.message_boxes();
                std::exit(!ok && boxes.size() == 1 && boxes[0].text == sjis(std::string(which) + "取得失敗") ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << which;
    }
}

// Only the facade's own initialisation is fatal at that stage.
TEST(Init, GraphAndSoundInitialisationFailuresAloneShowNothing) {
    platform::fail("IGraph3.Init");
    platform::fail("ISound2.Init");
    EngineHost engine;
    EXPECT_TRUE(engine.init());
    EXPECT_TRUE(engine.errors().empty());
    EXPECT_TRUE(engine.message_boxes().empty());
}

TEST(Init, ASixteenBitMainSurfaceIsRefusedAfterEverythingWasAcquired) {
    EngineHost engine(host::HostConfig{640, 480, 16, ""});
    EXPECT_FALSE(engine.init());
    ASSERT_EQ(engine.errors().size(), 1u);
    EXPECT_EQ(engine.errors()[0], sjis("メインサーフェスが32bppではありません。\nVantor.iniに設定を記述してください"));
    // The services were registered before the check.
    EXPECT_EQ(engine.host().volume.listener_count(), 3u);
}

TEST(Init, MissingLinkFilesAreReplacedByEmptyOnes) {
    // No assets folder at all: every link file is a stand-in and start-up still succeeds.
    EngineHost engine;
    EXPECT_TRUE(engine.init());
    EXPECT_TRUE(engine.message_boxes().empty());
}

// The root starts once: a second Init neither registers it again nor acquires everything again
// (under LeakSanitizer a second set of objects would be reported).
TEST(Init, ASecondInitGivesTheFirstAnswer) {
    EngineHost engine;
    EXPECT_TRUE(engine.init());
    IInterface* facade = engine.vk.GetInterface(&IID_ITarnEngine);
    EXPECT_TRUE(engine.init());
    EXPECT_EQ(engine.host().set_callback.calls(), 1);
    EXPECT_EQ(engine.vk.GetInterface(&IID_ITarnEngine), facade);
    EXPECT_EQ(engine.host().volume.listener_count(), 3u);
    facade->Release();
    facade->Release();
}

TEST(Init, ASecondInitAfterAFailedOneFailsAgainWithoutAReport) {
    platform::fail("host.IVM");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    platform::heal("host.IVM");
    EXPECT_FALSE(engine.init());
    EXPECT_EQ(engine.message_boxes().size(), 1u);
}

TEST(Init, WithoutSetCallbackTheRootStaysWithTheLibrary) {
    platform::fail("host.ISetCallback");
    EngineHost engine;
    EXPECT_TRUE(engine.init());
    const auto lines = platform::debug_lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), sjis("■ERROR ISetCallback取得失敗 - Init - TARN.DLL\n"));
    EXPECT_EQ(engine.host().set_callback.root(), nullptr);
}

}  // namespace
