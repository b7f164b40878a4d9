#pragma once
// A scene: the statements of a scene file, as parsed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesper_play {

struct Argument {
    enum class Kind { kInt, kFloat, kString, kIntVariable, kStringVariable, kArrayVariable, kStructVariable };
    Kind kind = Kind::kInt;
    int64_t integer = 0;
    double real = 0;
    std::string text;  // string bytes in the code page, or the variable's name
};

// An expected result or variable value.
struct Expected {
    enum class Kind { kInt, kFloat, kString, kIntList, kStringList };
    Kind kind = Kind::kInt;
    int64_t integer = 0;
    double real = 0;
    std::string text;
    std::vector<int64_t> integers;
    std::vector<std::string> texts;
};

struct Statement {
    enum class Kind {
        kCall,      // [Plugin.]Name arg... [=> value]
        kExpect,    // !expect <variable> == <value>
        kArray,     // !array name int|string
        kStruct,    // !struct name type...
        kErrors,    // !errors N
        kAnswer,    // !answer retry|cancel|ok
        kFrame,     // !frame NAME.png
        kKey,       // !key VK down|up
        kMouse,     // !mouse X Y
        kMouseOff,  // !mouse off
        kWheel,     // !wheel A B
        kAdvance,   // !advance MS
        kRepeat,    // !repeat N ... !end
        kLoad,      // !load Plugin
        kCapture,   // !capture MS PREFIX | !capture off
    };
    Kind kind = Kind::kCall;
    int line = 0;
    std::string plugin;  // kCall: empty for the sprite engine; kLoad: the plug-in
    std::string name;    // export, variable, file or answer
    std::vector<Argument> arguments;
    std::optional<Expected> expected;
    Argument variable;                // kExpect
    std::vector<std::string> types;  // kArray, kStruct
    int64_t numbers[2] = {0, 0};      // kErrors, kKey (vk, down), kMouse, kWheel, kAdvance, kRepeat, kCapture
    std::vector<Statement> body;      // kRepeat
};

struct Scene {
    std::string file;
    std::vector<Statement> statements;
};

}  // namespace vesper_play
