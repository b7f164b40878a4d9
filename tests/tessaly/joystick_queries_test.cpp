// The library's state machine on fresh instances: binding through the host library, retried after
// every failure, and the capture flag that makes one device read serve a frame's queries.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "host/joystick.h"
#include "interfaces/guids.h"
#include "interfaces/host.h"
#include "platform/faults.h"
#include "platform/modules.h"
#include "tessaly/joystick_queries.h"

namespace {

// A host library that counts how often it is asked: its "GetInterface" export and IHostcore.
struct CountingHost {
    class Core : public IHostcore {
    public:
        int AddRef() override { return 2; }
        int Release() override { return 1; }
        IInterface* GetInterface(const GUID& iid) override {
            ++instance().joystick_asks;
            return iid == IID_IJoystick ? instance().joystick : nullptr;
        }
    };

    static CountingHost& instance() {
        static CountingHost host;
        return host;
    }
    static IInterface* get_interface(const GUID* iid) {
        ++instance().library_calls;
        if (!instance().offer_hostcore || !iid || !(*iid == IID_IHostcore)) return nullptr;
        return &instance().core;
    }

    Core core;
    bool offer_hostcore = true;
    IJoystick* joystick = nullptr;
    int library_calls = 0;
    int joystick_asks = 0;
};

class JoystickQueriesTest : public ::testing::Test {
protected:
    JoystickQueriesTest() {
        host() = CountingHost{};
        register_library();
        prepare(joystick);
    }
    ~JoystickQueriesTest() override {
        platform::unregister_module("Hostcore");
        platform::heal_all();
    }
    static CountingHost& host() { return CountingHost::instance(); }
    static void register_library() {
        platform::register_module("Hostcore.dll",
                                  {{"GetInterface", reinterpret_cast<void*>(&CountingHost::get_interface)}});
    }
    void offer_joystick() { host().joystick = &joystick; }
    // Two devices: device 0 with button 3 down and axis 1 at -0.5, device 1 with axis 1 at 0.25.
    static void prepare(host::Joystick& stick) {
        stick.set_device_count(2);
        stick.set_button(0, 3, true);
        stick.set_axis(0, 1, -0.5f);
        stick.set_axis(1, 1, 0.25f);
    }

    host::Joystick joystick;
    tessaly::JoystickQueries queries;
};

// Whichever step of the binding yields nothing, every query answers its failure value and the next
// query tries the whole binding again; once the step works, the queries answer.
TEST_F(JoystickQueriesTest, WithoutAJoystickEveryQueryFailsAndRetriesTheBinding) {
    struct Case {
        const char* missing;
        void (*break_step)();
        int library_calls_per_query;
        int joystick_asks_per_query;
    };
    const Case cases[] = {
        {"the host library", [] { platform::unregister_module("Hostcore"); }, 0, 0},
        {"its GetInterface export", [] { platform::register_module("Hostcore", {}); }, 0, 0},
        {"IHostcore", [] { host().offer_hostcore = false; }, 1, 0},
        {"the joystick", [] { host().joystick = nullptr; }, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        host::Joystick stick;
        prepare(stick);
        host() = CountingHost{};
        register_library();
        host().joystick = &stick;
        c.break_step();
        tessaly::JoystickQueries fresh;
        EXPECT_EQ(fresh.device_count(), 0);
        EXPECT_EQ(fresh.axis(0, 1), 0.0f);
        EXPECT_FALSE(fresh.is_key_down(0, 3));
        EXPECT_FALSE(fresh.bound());
        EXPECT_EQ(host().library_calls, 3 * c.library_calls_per_query);
        EXPECT_EQ(host().joystick_asks, 3 * c.joystick_asks_per_query);
        EXPECT_EQ(stick.state_reads(), 0);

        host() = CountingHost{};
        register_library();
        host().joystick = &stick;
        EXPECT_EQ(fresh.device_count(), 2);
        EXPECT_TRUE(fresh.is_key_down(0, 3));
        EXPECT_EQ(fresh.axis(0, 1), -0.5f);
        EXPECT_TRUE(fresh.bound());
        EXPECT_EQ(host().library_calls, 1);  // bound once, kept after
        EXPECT_EQ(stick.state_reads(), 1);
    }
}

// One read serves every query until the flag is cleared; a change of the device in between is
// seen only after the clear. The device count is not part of the read state.
TEST_F(JoystickQueriesTest, TwoQueriesReadTheStateOnce) {
    offer_joystick();
    EXPECT_EQ(queries.device_count(), 2);
    EXPECT_EQ(joystick.state_reads(), 0);

    EXPECT_TRUE(queries.is_key_down(0, 3));
    EXPECT_EQ(queries.axis(0, 1), -0.5f);
    EXPECT_EQ(queries.axis(1, 1), 0.25f);
    EXPECT_FALSE(queries.is_key_down(1, 3));
    EXPECT_EQ(joystick.state_reads(), 1);
    EXPECT_TRUE(queries.captured());

    joystick.set_button(0, 3, false);
    joystick.set_axis(0, 1, 1.0f);
    EXPECT_TRUE(queries.is_key_down(0, 3));  // still the frame's state
    EXPECT_EQ(joystick.state_reads(), 1);

    queries.clear_capture_flag();
    EXPECT_FALSE(queries.captured());
    EXPECT_EQ(queries.axis(0, 1), 1.0f);
    EXPECT_FALSE(queries.is_key_down(0, 3));
    EXPECT_EQ(joystick.state_reads(), 2);
}

// A failed read answers the failure value even where the device says otherwise, and leaves the
// flag clear, so each following query reads again until a read succeeds.
TEST_F(JoystickQueriesTest, AFailedReadLeavesTheFlagClear) {
    offer_joystick();
    platform::fail("IJoystick.Capture");
    EXPECT_FALSE(queries.is_key_down(0, 3));
    EXPECT_EQ(queries.axis(0, 1), 0.0f);
    EXPECT_FALSE(queries.captured());
    EXPECT_EQ(joystick.state_reads(), 2);

    platform::heal_all();
    EXPECT_TRUE(queries.is_key_down(0, 3));
    EXPECT_EQ(queries.axis(0, 1), -0.5f);
    EXPECT_TRUE(queries.captured());
    EXPECT_EQ(joystick.state_reads(), 3);
}

// Numbers pass through unchanged: the host decides what a device, button or axis is.
TEST_F(JoystickQueriesTest, NumbersPassThroughToTheHost) {
    offer_joystick();
    joystick.set_button(1, 7, true);
    joystick.set_axis(1, -2, 0.75f);
    struct Case {
        int device, number;
        bool down;
        float axis;
    };
    const Case cases[] = {
        {0, 3, true, 0.0f}, {0, 1, false, -0.5f}, {1, 7, true, 0.0f}, {1, -2, false, 0.75f},
        {1, 1, false, 0.25f}, {2, 3, false, 0.0f}, {-1, 3, false, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(queries.is_key_down(c.device, c.number), c.down) << c.device << "/" << c.number;
        EXPECT_EQ(queries.axis(c.device, c.number), c.axis) << c.device << "/" << c.number;
    }
    EXPECT_EQ(joystick.state_reads(), 1);
}

}  // namespace
