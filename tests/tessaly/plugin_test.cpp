// Tessaly as the host loads it: the shared library's exports, bound through the reference host's
// host library to the joystick the host offers.
#include <gtest/gtest.h>

#include <string>

#include "host/joystick.h"
#include "host/reference_host.h"
#include "interfaces/guids.h"
#include "platform/faults.h"
#include "platform/modules.h"
#include "support/exported_symbols.h"
#include "tessaly/exports.h"

namespace {

const std::string kLibrary = std::string(VK_LIB_DIR) + "/libTessaly.so";

TEST(TessalyLibrary, ExportsExactlyItsList) {
    const std::set<std::string> listed = EXPORT_NAMES(TESSALY_EXPORTS);
    EXPECT_EQ(listed.size(), 4u);
    EXPECT_EQ(test_support::exported_symbols(kLibrary), listed);
}

// The library binds once for its whole life, so the whole story is one test: first without the
// joystick, then with it, frame by frame.
TEST(TessalyLibrary, AnswersFromTheHostsJoystick) {
    host::ReferenceHost reference_host;
    ASSERT_NE(platform::load_module(std::string(VK_LIB_DIR) + "/libHostcore.so"), nullptr);
    platform::ModuleHandle tessaly = platform::load_module(kLibrary);
    ASSERT_NE(tessaly, nullptr);
#define TESSALY_TEST_FIND(result, name, params) \
    auto name = reinterpret_cast<decltype(&::name)>(platform::find_export(tessaly, #name)); \
    ASSERT_NE(name, nullptr);
    TESSALY_EXPORTS(TESSALY_TEST_FIND)
#undef TESSALY_TEST_FIND

    // The library keeps the joystick for its life, beyond this test's host.
    static host::Joystick joystick;
    joystick.set_device_count(2);
    joystick.set_button(1, 4, true);
    joystick.set_axis(0, 0, 0.625f);
    reference_host.provide(IID_IJoystick, &joystick, "IJoystick");

    platform::fail("host.IJoystick");  // the host offers no joystick yet
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(Joystick_GetNumofDevice(), 0);
        EXPECT_EQ(Joystick_GetAxis(0, 0), 0.0f);
        EXPECT_EQ(Joystick_IsKeyDown(1, 4), 0);
    }
    platform::heal("host.IJoystick");  // the next query binds

    EXPECT_EQ(Joystick_GetNumofDevice(), 2);
    EXPECT_EQ(Joystick_IsKeyDown(1, 4), 1);
    EXPECT_EQ(Joystick_IsKeyDown(0, 4), 0);
    EXPECT_EQ(Joystick_GetAxis(0, 0), 0.625f);
    EXPECT_EQ(joystick.state_reads(), 1);

    // Next frame: the button is released, seen after the flag is cleared.
    joystick.set_button(1, 4, false);
    EXPECT_EQ(Joystick_IsKeyDown(1, 4), 1);
    Joystick_ClearCaptureFlag();
    EXPECT_EQ(Joystick_IsKeyDown(1, 4), 0);
    EXPECT_EQ(joystick.state_reads(), 2);

    // A frame whose read fails answers the failure values and reads again at the next query.
    Joystick_ClearCaptureFlag();
    joystick.set_read_fails(true);
    EXPECT_EQ(Joystick_GetAxis(0, 0), 0.0f);
    joystick.set_read_fails(false);
    EXPECT_EQ(Joystick_GetAxis(0, 0), 0.625f);
    EXPECT_EQ(joystick.state_reads(), 4);
    platform::heal_all();
}

}  // namespace
