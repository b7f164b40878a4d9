#include <gtest/gtest.h>

#include "platform/modules.h"

namespace {

int forty_two() { return 42; }

TEST(Modules, WindowsNamesMapToSharedObjects) {
    EXPECT_EQ(platform::windows_module_name("/x/y/libCrateva.so"), "Crateva");
    EXPECT_EQ(platform::windows_module_name("libChimewell2.so"), "Chimewell2");
}

TEST(Modules, FindIsCaseInsensitiveAndIgnoresDll) {
    platform::register_module("Crateva", {{"CreateInterface", reinterpret_cast<void*>(&forty_two)}});
    for (const char* name : {"Crateva.dll", "crateva.DLL", "CRATEVA", "Crateva"}) {
        platform::ModuleHandle m = platform::find_module(name);
        ASSERT_NE(m, nullptr) << name;
        auto fn = reinterpret_cast<int (*)()>(platform::find_export(m, "CreateInterface"));
        ASSERT_NE(fn, nullptr);
        EXPECT_EQ(fn(), 42);
    }
    EXPECT_EQ(platform::find_export(platform::find_module("Crateva.dll"), "Missing"), nullptr);
    EXPECT_EQ(platform::find_module("Ungild.dll"), nullptr);
    EXPECT_EQ(platform::find_module(nullptr), nullptr);
    platform::unregister_module("crateva.dll");
    EXPECT_EQ(platform::find_module("Crateva.dll"), nullptr);
}

TEST(Modules, LoadsSharedObjectsUnderTheirWindowsName) {
    ASSERT_NE(platform::load_module(std::string(VK_LIB_DIR) + "/libLattix.so"), nullptr);
    platform::ModuleHandle m = platform::find_module("Lattix.dll");
    ASSERT_NE(m, nullptr);
    EXPECT_NE(platform::find_export(m, "CreateInterface"), nullptr);
    EXPECT_EQ(platform::load_module("/nonexistent/libNothing.so"), nullptr);
    EXPECT_EQ(platform::find_module("Nothing"), nullptr);
}

}  // namespace
