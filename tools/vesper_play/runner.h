#pragma once
// Runs a scene against the plug-ins on the reference host, on a virtual clock.
#include <map>
#include <ostream>
#include <string>

#include "exports_table.h"
#include "host/reference_host.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/modules.h"
#include "scene.h"
#include "variables.h"

namespace vesper_play {

struct PlayerOptions {
    std::string lib_dir;      // where lib<Plugin>.so and the service modules are
    std::string assets_dir;   // cg/, wave/, data/, resource/, bgm/
    std::string out_dir = ".";
    int width = 800;
    int height = 600;
    int code_page = 932;
    int cache_megabytes = 64;
};

enum class Outcome { kPassed = 0, kCheckFailed = 1, kSceneError = 2 };

class Runner {
public:
    Runner(PlayerOptions options, std::ostream& log);
    ~Runner();

    // Stands up the host, loads the sprite engine and calls its Init. Errors go to the log.
    bool start();
    Outcome run(const Scene& scene);

private:
    struct SceneError {
        int line;
        std::string what;
    };
    void execute(const Scene& scene, const std::vector<Statement>& statements);
    void execute(const Scene& scene, const Statement& s);
    void call(const Scene& scene, const Statement& s);
    void expect(const Scene& scene, const Statement& s);
    void write_frame(const std::string& name, int line);
    // Writes the window image after each presentation at least `every` ms after the last one.
    void capture_frames(uint32_t every, const std::string& prefix);
    void* plugin_function(const Statement& s, const std::string& plugin);
    platform::ModuleHandle load_plugin(const std::string& plugin, int line);
    void report(const std::string& text);  // an error report, printed as it happens
    platform::MessageBoxAnswer answer_box(const platform::MessageBoxRequest& request);
    void fail_check(const Scene& scene, int line, const std::string& what);

    PlayerOptions options_;
    std::ostream& log_;
    platform::SteppedClock clock_;
    host::ReferenceHost host_;
    Variables variables_;
    std::map<std::string, platform::ModuleHandle> plugins_;
    int reports_since_check_ = 0;
    bool pending_answer_set_ = false;
    platform::MessageBoxAnswer pending_answer_ = platform::MessageBoxAnswer::kOk;
    bool checks_failed_ = false;
    uint32_t capture_start_ = 0, next_capture_ = 0;
};

}  // namespace vesper_play
