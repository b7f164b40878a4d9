#include "runner.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "host/png_codec.h"
#include "platform/codepage.h"
#include "platform/modules.h"

namespace vesper_play {
namespace {

std::string show(const CallResult& r) {
    if (r.kind == CallResult::Kind::kFloat) {
        std::ostringstream o;
        o << r.real;
        return o.str();
    }
    return r.kind == CallResult::Kind::kVoid ? "nothing" : std::to_string(r.integer);
}

std::string show(const Expected& e) {
    std::ostringstream o;
    switch (e.kind) {
    case Expected::Kind::kInt: o << e.integer; break;
    case Expected::Kind::kFloat: o << e.real; break;
    case Expected::Kind::kString: o << '"' << platform::to_utf8(e.text) << '"'; break;
    case Expected::Kind::kIntList:
    case Expected::Kind::kStringList: {
        o << '[';
        const size_t n = e.kind == Expected::Kind::kIntList ? e.integers.size() : e.texts.size();
        for (size_t i = 0; i < n; ++i) {
            if (i) o << ", ";
            if (e.kind == Expected::Kind::kIntList)
                o << e.integers[i];
            else
                o << '"' << platform::to_utf8(e.texts[i]) << '"';
        }
        o << ']';
        break;
    }
    }
    return o.str();
}

bool result_matches(const CallResult& r, const Expected& e) {
    if (r.kind == CallResult::Kind::kVoid) return false;
    const double value = r.kind == CallResult::Kind::kFloat ? r.real : double(r.integer);
    if (e.kind == Expected::Kind::kFloat) return std::fabs(value - e.real) <= 1e-5;
    if (r.kind == CallResult::Kind::kFloat) return std::fabs(value - double(e.integer)) <= 1e-5;
    // Results are 32-bit: 0xFFFFFFFF and -1 are the same answer.
    return static_cast<int32_t>(r.integer) == static_cast<int32_t>(e.integer);
}

}  // namespace

Runner::Runner(PlayerOptions options, std::ostream& log)
    : options_(std::move(options)), log_(log), clock_(100000),
      host_(host::HostConfig{options_.width, options_.height, 32, options_.assets_dir}) {
    platform::set_clock(&clock_);
    platform::set_ansi_code_page(options_.code_page);
    platform::set_message_box_sink([this](const platform::MessageBoxRequest& r) { return answer_box(r); });
    host_.vm.error_msg.on_show = [this](const std::string& text) { report(text); };
    // A plug-in that keeps the script thread (the logo's Run) moves the virtual clock by pumping
    // messages: one display refresh at 60 Hz each.
    host_.win_msg.wait_per_pump(16);
}

Runner::~Runner() {
    host_.main_surface.on_present = nullptr;
    host_.release_root();
    platform::set_message_box_sink(nullptr);
    platform::set_clock(nullptr);
}

bool Runner::start() {
    host_.load_service_modules(options_.lib_dir);
    platform::ModuleHandle engine = load_plugin("Vesperkit", 0);
    if (!engine) return false;
    auto init = reinterpret_cast<int (*)(IHostcore*, int)>(platform::find_export(engine, "Init"));
    if (!init || init(host_.hostcore(), options_.cache_megabytes) != 1) {
        log_ << "the sprite engine did not start\n";
        return false;
    }
    return true;
}

platform::ModuleHandle Runner::load_plugin(const std::string& plugin, int line) {
    if (auto it = plugins_.find(plugin); it != plugins_.end()) return it->second;
    platform::ModuleHandle m = host_.load_plugin(options_.lib_dir, plugin);
    if (!m) {
        log_ << (line ? "line " + std::to_string(line) + ": " : "") << "cannot load the plug-in " << plugin << " from "
             << options_.lib_dir << "\n";
        return nullptr;
    }
    plugins_[plugin] = m;
    return m;
}

void Runner::report(const std::string& text) {
    ++reports_since_check_;
    log_ << "[report] " << platform::to_utf8(text) << (text.empty() || text.back() != '\n' ? "\n" : "");
}

platform::MessageBoxAnswer Runner::answer_box(const platform::MessageBoxRequest& request) {
    report((request.has_title ? request.title + ": " : std::string()) + request.text);
    if (pending_answer_set_) {
        pending_answer_set_ = false;
        return pending_answer_;
    }
    switch (request.buttons) {
    case platform::MessageBoxButtons::kRetryCancel: return platform::MessageBoxAnswer::kCancel;
    case platform::MessageBoxButtons::kYesNo: return platform::MessageBoxAnswer::kNo;
    default: return platform::MessageBoxAnswer::kOk;
    }
}

void Runner::fail_check(const Scene& scene, int line, const std::string& what) {
    checks_failed_ = true;
    log_ << scene.file << ":" << line << ": " << what << "\n";
}

Outcome Runner::run(const Scene& scene) {
    try {
        execute(scene, scene.statements);
    } catch (const SceneError& e) {
        log_ << scene.file << ":" << e.line << ": " << e.what << "\n";
        return Outcome::kSceneError;
    }
    return checks_failed_ ? Outcome::kCheckFailed : Outcome::kPassed;
}

void Runner::execute(const Scene& scene, const std::vector<Statement>& statements) {
    for (const Statement& s : statements) execute(scene, s);
}

void Runner::execute(const Scene& scene, const Statement& s) {
    using K = Statement::Kind;
    switch (s.kind) {
    case K::kCall: call(scene, s); break;
    case K::kExpect: expect(scene, s); break;
    case K::kArray:
        if (s.types[0] == "string") {
            variables_.int_arrays.erase(s.name);
            variables_.string_arrays[s.name] = std::make_unique<host::ScriptStringArray>();
        } else {
            variables_.string_arrays.erase(s.name);
            variables_.int_arrays[s.name] = std::make_unique<host::ScriptIntArray>();
        }
        break;
    case K::kStruct: {
        std::vector<int> types;
        for (const auto& t : s.types)
            types.push_back(t == "int" ? kScriptInt : t == "float" ? kScriptFloat : t == "bool" ? kScriptBool : kScriptString);
        auto page = std::make_unique<host::ScriptPage>(types);
        for (size_t i = 0; i < types.size(); ++i) {
            if (types[i] != kScriptString) continue;
            variables_.member_strings.push_back(std::make_unique<host::ScriptString>());
            page->set_object(static_cast<int>(i), variables_.member_strings.back().get());
        }
        variables_.structs[s.name] = std::move(page);
        break;
    }
    case K::kErrors:
        if (reports_since_check_ != s.numbers[0])
            fail_check(scene, s.line, "expected " + std::to_string(s.numbers[0]) + " error reports, saw " +
                                          std::to_string(reports_since_check_));
        reports_since_check_ = 0;
        break;
    case K::kAnswer:
        pending_answer_set_ = true;
        pending_answer_ = s.name == "retry"    ? platform::MessageBoxAnswer::kRetry
                          : s.name == "cancel" ? platform::MessageBoxAnswer::kCancel
                                               : platform::MessageBoxAnswer::kOk;
        break;
    case K::kFrame: write_frame(s.name, s.line); break;
    case K::kCapture: capture_frames(static_cast<uint32_t>(s.numbers[0]), s.name); break;
    case K::kKey: {
        const int vk = static_cast<int>(s.numbers[0]);
        host_.key_state.set_down(vk, s.numbers[1] != 0);
        host_.keyboard.set_down(vk, s.numbers[1] != 0);
        if (s.numbers[1]) host_.input.press(vk);
        break;
    }
    case K::kMouse: host_.input.set_cursor(static_cast<int>(s.numbers[0]), static_cast<int>(s.numbers[1])); break;
    case K::kMouseOff: host_.input.set_cursor_off(); break;
    case K::kWheel: host_.wheel.roll(static_cast<int>(s.numbers[0]), static_cast<int>(s.numbers[1])); break;
    case K::kAdvance: clock_.advance(static_cast<uint32_t>(s.numbers[0])); break;
    case K::kRepeat:
        for (int64_t i = 0; i < s.numbers[0]; ++i) execute(scene, s.body);
        break;
    case K::kLoad:
        if (!export_lists().count(s.plugin)) throw SceneError{s.line, "unknown plug-in " + s.plugin};
        if (!load_plugin(s.plugin, s.line)) throw SceneError{s.line, "cannot load the plug-in " + s.plugin};
        break;
    }
}

void* Runner::plugin_function(const Statement& s, const std::string& plugin) {
    platform::ModuleHandle m = load_plugin(plugin, s.line);
    if (!m) throw SceneError{s.line, "cannot load the plug-in " + plugin};
    void* f = platform::find_export(m, s.name.c_str());
    if (!f) throw SceneError{s.line, plugin + " does not export " + s.name};
    return f;
}

void Runner::call(const Scene& scene, const Statement& s) {
    const std::string plugin = s.plugin.empty() ? "Vesperkit" : s.plugin;
    const auto& lists = export_lists();
    auto list = lists.find(plugin);
    if (list == lists.end()) throw SceneError{s.line, "unknown plug-in " + plugin};
    auto entry = list->second.find(s.name);
    if (entry == list->second.end()) throw SceneError{s.line, plugin + " has no export " + s.name};
    if (std::string why = check_arguments(entry->second, s.arguments); !why.empty())
        throw SceneError{s.line, s.name + ": " + why};
    for (const Argument& a : s.arguments)
        if (a.kind == Argument::Kind::kStructVariable && !variables_.struct_variable(a.text))
            throw SceneError{s.line, "structure %" + a.text + " was not declared with !struct"};
    void* function = plugin_function(s, plugin);
    CallContext context{variables_, host_.hostcore(), {}};
    const CallResult result = entry->second.invoke(function, context, s.arguments);
    if (s.expected && !result_matches(result, *s.expected))
        fail_check(scene, s.line, s.name + " returned " + show(result) + ", expected " + show(*s.expected));
}

void Runner::expect(const Scene& scene, const Statement& s) {
    const Expected& e = *s.expected;
    const std::string& name = s.variable.text;
    std::string actual;
    bool same = false;
    switch (s.variable.kind) {
    case Argument::Kind::kIntVariable: {
        if (e.kind != Expected::Kind::kInt) throw SceneError{s.line, "&" + name + " is compared with an int"};
        const int v = *variables_.int_variable(name);
        same = v == static_cast<int32_t>(e.integer);
        actual = std::to_string(v);
        break;
    }
    case Argument::Kind::kStringVariable: {
        if (e.kind != Expected::Kind::kString) throw SceneError{s.line, "$" + name + " is compared with a string"};
        const std::string v = variables_.string_variable(name)->text();
        same = v == e.text;
        actual = '"' + platform::to_utf8(v) + '"';
        break;
    }
    case Argument::Kind::kArrayVariable: {
        Expected seen;
        if (auto it = variables_.string_arrays.find(name); it != variables_.string_arrays.end()) {
            if (e.kind != Expected::Kind::kStringList) throw SceneError{s.line, "@" + name + " holds strings"};
            seen.kind = Expected::Kind::kStringList;
            seen.texts = it->second->values();
            same = seen.texts == e.texts;
        } else {
            if (e.kind != Expected::Kind::kIntList) throw SceneError{s.line, "@" + name + " holds ints"};
            seen.kind = Expected::Kind::kIntList;
            auto* array = static_cast<host::ScriptIntArray*>(variables_.array_variable(name));
            for (int v : array->values()) seen.integers.push_back(v);
            same = seen.integers == e.integers;
        }
        actual = show(seen);
        break;
    }
    default: throw SceneError{s.line, "!expect compares &int, $string or @array variables"};
    }
    if (!same) fail_check(scene, s.line, "!expect " + name + " is " + actual + ", expected " + show(e));
}

void Runner::capture_frames(uint32_t every, const std::string& prefix) {
    if (every == 0) {
        host_.main_surface.on_present = nullptr;
        return;
    }
    capture_start_ = next_capture_ = clock_.tick_ms();
    // Frames shown while a plug-in keeps the script thread (the logo's Run) are captured too.
    host_.main_surface.on_present = [this, every, prefix] {
        const uint32_t now = clock_.tick_ms();
        if (now - capture_start_ < next_capture_ - capture_start_) return;
        char name[64];
        std::snprintf(name, sizeof name, "-%06u.png", now - capture_start_);
        write_frame(prefix + name, 0);
        next_capture_ = now + every;
    };
}

void Runner::write_frame(const std::string& name, int line) {
    auto& surface = host_.main_surface;
    host::Image image;
    image.width = surface.GetWidth();
    image.height = surface.GetHeight();
    const auto& window = surface.window_image();
    image.bgra.resize(size_t(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(window.begin() + size_t(y) * surface.GetPitch(), size_t(image.width) * 4,
                    image.bgra.begin() + size_t(y) * image.width * 4);
    std::error_code ec;
    std::filesystem::create_directories(options_.out_dir, ec);
    const std::string path = options_.out_dir + "/" + name;
    if (host::write_file_atomically(path, host::encode_png(image, false))) {
        log_ << "wrote " << path << "\n";
        return;
    }
    // A capture runs inside a presentation, where no scene error may be thrown.
    if (line == 0) {
        log_ << "cannot write " << path << "\n";
        checks_failed_ = true;
        return;
    }
    throw SceneError{line, "cannot write " + path};
}

}  // namespace vesper_play
