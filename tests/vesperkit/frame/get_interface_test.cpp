#include <gtest/gtest.h>

#include "interfaces/draw_plugin.h"
#include "interfaces/engine_services.h"
#include "support/engine_host.h"

namespace {

using test_support::EngineHost;

TEST(GetInterface, BothEngineIdentifiersGiveTheFacadeWithOneReferenceEach) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    IInterface* a = engine.vk.GetInterface(&IID_ITarnEngine);
    IInterface* b = engine.vk.GetInterface(&IID_ITarnEngineDX3);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    // Owned by the root (1), the text-surface users and the sprite-number service (1), and the two
    // calls: releasing our two references brings it back to where it was.
    const int before = a->AddRef() - 1;
    a->Release();
    a->Release();
    EXPECT_EQ(b->Release(), before - 2);
}

TEST(GetInterface, TheErrorMessageObject) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    IInterface* e = engine.vk.GetInterface(&IID_ITarnErrorMessage);
    ASSERT_NE(e, nullptr);
    e->Release();
}

TEST(GetInterface, AnyOtherIdentifierGivesNullAndTakesNoReference) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    IInterface* facade = engine.vk.GetInterface(&IID_ITarnEngine);
    const int count = facade->AddRef() - 1;
    facade->Release();
    for (const GUID* other : {&IID_IHostcore, &IID_IGraph3, &IID_IChangeNumToISurface})
        EXPECT_EQ(engine.vk.GetInterface(other), nullptr);
    EXPECT_EQ(engine.vk.GetInterface(nullptr), nullptr);
    EXPECT_EQ(facade->AddRef() - 1, count);
    facade->Release();
    facade->Release();
}

TEST(GetInterface, BeforeInitTheFacadeDoesNotExist) {
    EngineHost engine;
    EXPECT_EQ(engine.vk.GetInterface(&IID_ITarnEngine), nullptr);
    EXPECT_EQ(engine.vk.GetInterface(&IID_ITarnErrorMessage), nullptr);
}

TEST(GetInterface, TheEngineServicesAreRegisteredWithTheDrawPluginManager) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    auto create = reinterpret_cast<CreateInterfaceFn>(
        platform::find_export(platform::find_module("Overlayr.dll"), "CreateInterface"));
    ASSERT_NE(create, nullptr);
    auto* manager = static_cast<IDrawPluginManager*>(create(&IID_IDrawPluginManager));
    ASSERT_NE(manager, nullptr);
    IInterface* change = manager->GetInterface(IID_IChangeNumToISurface);
    EXPECT_NE(change, nullptr);
    EXPECT_EQ(manager->GetInterface(IID_IChangeNumToISurface2), change);
    EXPECT_NE(manager->GetInterface(IID_IAddInvalidateRect), nullptr);
    // Asking for a sprite that does not exist is reported through the VM.
    EXPECT_EQ(static_cast<IChangeNumToISurface*>(change)->Change(7), nullptr);
    ASSERT_EQ(engine.errors().size(), 1u);
    EXPECT_EQ(engine.errors()[0], test_support::sjis("無効なスプライト番号が使用された\nSP=7\n(CGetSurface::Change)\n"));
    manager->Release();
}

}  // namespace
