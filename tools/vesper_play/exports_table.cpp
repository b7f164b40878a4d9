#include "exports_table.h"

#include <tuple>
#include <type_traits>

// Several plug-ins export the same names (Init): only their lists are wanted here.
#define VK_EXPORT_LISTS_ONLY
#include "dawnsigil/exports.h"
#include "ordwell/exports.h"
#include "tessaly/exports.h"
#include "vesperkit/exports.h"

namespace vesper_play {
namespace params {

// How each C parameter type takes a scene argument. `next` walks the script arguments; the host
// pointer takes none.
template <class T>
struct Param {
    static constexpr ParamKind kind = ParamKind::kUnsupported;
    static T take(CallContext&, const std::vector<Argument>&, size_t&) { return T{}; }
};

template <>
struct Param<int> {
    static constexpr ParamKind kind = ParamKind::kInt;
    static int take(CallContext&, const std::vector<Argument>& a, size_t& next) {
        return static_cast<int>(static_cast<uint32_t>(a[next++].integer));
    }
};

template <>
struct Param<float> {
    static constexpr ParamKind kind = ParamKind::kFloat;
    static float take(CallContext&, const std::vector<Argument>& a, size_t& next) {
        const Argument& arg = a[next++];
        return arg.kind == Argument::Kind::kFloat ? static_cast<float>(arg.real) : static_cast<float>(arg.integer);
    }
};

template <>
struct Param<int*> {
    static constexpr ParamKind kind = ParamKind::kIntReference;
    static int* take(CallContext& c, const std::vector<Argument>& a, size_t& next) {
        return c.variables.int_variable(a[next++].text);
    }
};

template <>
struct Param<IString*> {
    static constexpr ParamKind kind = ParamKind::kString;
    static IString* take(CallContext& c, const std::vector<Argument>& a, size_t& next) {
        const Argument& arg = a[next++];
        if (arg.kind == Argument::Kind::kStringVariable) return c.variables.string_variable(arg.text);
        c.temporaries.push_back(std::make_unique<host::ScriptString>(arg.text));
        return c.temporaries.back().get();
    }
};

template <>
struct Param<IArray*> {
    static constexpr ParamKind kind = ParamKind::kArray;
    static IArray* take(CallContext& c, const std::vector<Argument>& a, size_t& next) {
        return c.variables.array_variable(a[next++].text);
    }
};

template <>
struct Param<IPage*> {
    static constexpr ParamKind kind = ParamKind::kStruct;
    static IPage* take(CallContext& c, const std::vector<Argument>& a, size_t& next) {
        return c.variables.struct_variable(a[next++].text);
    }
};

template <>
struct Param<IHostcore*> {
    static constexpr ParamKind kind = ParamKind::kHost;
    static IHostcore* take(CallContext& c, const std::vector<Argument>&, size_t&) { return c.host; }
};

}  // namespace params

namespace {

using params::Param;

template <class R>
CallResult to_result(R value) {
    CallResult r;
    if constexpr (std::is_floating_point_v<R>) {
        r.kind = CallResult::Kind::kFloat;
        r.real = value;
    } else if constexpr (std::is_pointer_v<R>) {
        r.kind = CallResult::Kind::kInt;
        r.integer = value != nullptr;
    } else {
        r.kind = CallResult::Kind::kInt;
        r.integer = value;
    }
    return r;
}

template <class R, class... A>
ExportEntry make_entry(R (*)(A...)) {
    ExportEntry e;
    e.params = {Param<std::remove_cv_t<A>>::kind...};
    e.invoke = [](void* function, CallContext& context, const std::vector<Argument>& arguments) -> CallResult {
        auto f = reinterpret_cast<R (*)(A...)>(function);
        [[maybe_unused]] size_t next = 0;  // unused by exports without parameters
        // A braced list evaluates left to right, so the arguments are taken in order.
        std::tuple<A...> values{Param<std::remove_cv_t<A>>::take(context, arguments, next)...};
        if constexpr (std::is_void_v<R>) {
            std::apply(f, values);
            return CallResult{};
        } else {
            return to_result(std::apply(f, values));
        }
    };
    return e;
}

#define VESPER_PLAY_ENTRY(result, name, params) {#name, make_entry(static_cast<result(*) params>(nullptr))},

}  // namespace

size_t ExportEntry::script_arguments() const {
    size_t n = 0;
    for (ParamKind p : params) n += p != ParamKind::kHost;
    return n;
}

std::string check_arguments(const ExportEntry& entry, const std::vector<Argument>& arguments) {
    for (ParamKind p : entry.params)
        if (p == ParamKind::kUnsupported) return "this export cannot be called from a scene";
    if (arguments.size() != entry.script_arguments())
        return "takes " + std::to_string(entry.script_arguments()) + " arguments, " +
               std::to_string(arguments.size()) + " given";
    size_t next = 0;
    for (ParamKind p : entry.params) {
        if (p == ParamKind::kHost) continue;
        const Argument::Kind a = arguments[next++].kind;
        const bool fits = (p == ParamKind::kInt && a == Argument::Kind::kInt) ||
                          (p == ParamKind::kFloat && (a == Argument::Kind::kInt || a == Argument::Kind::kFloat)) ||
                          (p == ParamKind::kIntReference && a == Argument::Kind::kIntVariable) ||
                          (p == ParamKind::kString && (a == Argument::Kind::kString || a == Argument::Kind::kStringVariable)) ||
                          (p == ParamKind::kArray && a == Argument::Kind::kArrayVariable) ||
                          (p == ParamKind::kStruct && a == Argument::Kind::kStructVariable);
        if (!fits) return "argument " + std::to_string(next) + " is of the wrong kind";
    }
    return {};
}

const std::map<std::string, std::map<std::string, ExportEntry>>& export_lists() {
    static const std::map<std::string, std::map<std::string, ExportEntry>> lists = {
        {"Vesperkit", {VESPERKIT_EXPORTS(VESPER_PLAY_ENTRY)}},
        {"Ordwell", {ORDWELL_EXPORTS(VESPER_PLAY_ENTRY)}},
        {"Tessaly", {TESSALY_EXPORTS(VESPER_PLAY_ENTRY)}},
        {"Dawnsigil", {DAWNSIGIL_EXPORTS(VESPER_PLAY_ENTRY)}},
    };
    return lists;
}

}  // namespace vesper_play
