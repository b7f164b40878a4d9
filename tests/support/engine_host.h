#pragma once
// A sprite engine on the reference host, for tests that drive it through its exports: a stepped
// clock, the host with its service modules, the plug-in loaded and its exports looked up by name.
// The engine's root exists once per process (it is made when the library is attached), so each
// test that starts the engine runs in a process of its own, as CTest runs them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/event_log.h"
#include "host/reference_host.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/debug_output.h"
#include "platform/faults.h"
#include "platform/message_box.h"
#include "platform/modules.h"
#include "vesperkit/exports.h"

namespace test_support {

// Pointers to every export of the sprite engine, typed from its export list.
struct VesperkitExports {
#define VK_TEST_EXPORT_POINTER(result, name, params) result(*name) params = nullptr;
    VESPERKIT_EXPORTS(VK_TEST_EXPORT_POINTER)
#undef VK_TEST_EXPORT_POINTER

    bool load(platform::ModuleHandle module) {
        bool all = module != nullptr;
#define VK_TEST_EXPORT_LOOKUP(result, name, params)                                          \
    name = reinterpret_cast<result(*) params>(platform::find_export(module, #name));        \
    all = all && name != nullptr;
        VESPERKIT_EXPORTS(VK_TEST_EXPORT_LOOKUP)
#undef VK_TEST_EXPORT_LOOKUP
        return all;
    }
};

struct MessageBoxSeen {
    std::string title;  // empty when the box had no title
    std::string text;   // ANSI code page
};

class EngineHost {
public:
    explicit EngineHost(host::HostConfig config = {}, std::vector<std::string> skip_modules = {})
        : clock_(100000), host_(std::move(config)) {
        platform::set_clock(&clock_);
        platform::set_ansi_code_page(platform::kCodePageShiftJis);
        platform::clear_debug_lines();
        host::clear_events();
        platform::set_message_box_sink([this](const platform::MessageBoxRequest& r) {
            boxes_.push_back({r.has_title ? r.title : std::string(), r.text});
            return answer_;
        });
        host_.load_service_modules(VK_LIB_DIR, skip_modules);
        module_ = host_.load_plugin(VK_LIB_DIR, "Vesperkit");
        loaded_ = vk.load(module_);
    }

    ~EngineHost() {
        host_.release_root();
        platform::set_message_box_sink(nullptr);
        platform::set_clock(nullptr);
        platform::heal_all();
    }

    // Init as the host calls it; true when the engine started.
    bool init(int cache_megabytes = 64) { return vk.Init(host_.hostcore(), cache_megabytes) == 1; }

    bool loaded() const { return loaded_; }
    host::ReferenceHost& host() { return host_; }
    platform::SteppedClock& clock() { return clock_; }
    const std::vector<MessageBoxSeen>& message_boxes() const { return boxes_; }
    void answer_boxes_with(platform::MessageBoxAnswer answer) { answer_ = answer; }
    // Error texts the VM was shown.
    const std::vector<std::string>& errors() const { return host_.error_texts(); }

    VesperkitExports vk;

private:
    platform::SteppedClock clock_;
    host::ReferenceHost host_;
    platform::ModuleHandle module_ = nullptr;
    bool loaded_ = false;
    std::vector<MessageBoxSeen> boxes_;
    platform::MessageBoxAnswer answer_ = platform::MessageBoxAnswer::kOk;
};

// The CP932 bytes of a UTF-8 text, to compare with what the engine reports.
inline std::string sjis(const std::string& utf8) { return platform::convert(utf8, platform::kCodePageUtf8, 932); }

}  // namespace test_support
