#include "parse.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/codepage.h"

namespace vesper_play {
namespace {

struct Token {
    enum class Kind { kWord, kInt, kFloat, kString, kVariable, kArrow, kEquals, kOpen, kClose, kComma };
    Kind kind;
    std::string text;  // word, string bytes, variable name (with its sigil first)
    int64_t integer = 0;
    double real = 0;
};

class LineError {
public:
    explicit LineError(std::string what) : what_(std::move(what)) {}
    const std::string& what() const { return what_; }

private:
    std::string what_;
};

// Script text is UTF-8 in the file; what reaches the plug-ins is in their code page. \xHH puts a
// byte in as it is, so a scene can hold bytes no UTF-8 text converts to.
std::string read_string(const std::string& line, size_t& at) {
    std::string out, utf8_run;
    auto flush = [&] {
        out += platform::from_utf8(utf8_run);
        utf8_run.clear();
    };
    ++at;  // opening quote
    while (at < line.size() && line[at] != '"') {
        char c = line[at++];
        if (c != '\\') {
            utf8_run.push_back(c);
            continue;
        }
        if (at >= line.size()) throw LineError("unfinished escape");
        const char e = line[at++];
        switch (e) {
        case 'n': utf8_run.push_back('\n'); break;
        case 't': utf8_run.push_back('\t'); break;
        case '"': utf8_run.push_back('"'); break;
        case '\\': utf8_run.push_back('\\'); break;
        case 'x': {
            if (at + 2 > line.size() || !std::isxdigit(static_cast<unsigned char>(line[at])) ||
                !std::isxdigit(static_cast<unsigned char>(line[at + 1])))
                throw LineError("\\x needs two hex digits");
            flush();
            out.push_back(static_cast<char>(std::stoi(line.substr(at, 2), nullptr, 16)));
            at += 2;
            break;
        }
        default: throw LineError(std::string("unknown escape \\") + e);
        }
    }
    if (at >= line.size()) throw LineError("unterminated string");
    ++at;  // closing quote
    flush();
    return out;
}

Token read_number(const std::string& line, size_t& at) {
    size_t end = at;
    if (line[end] == '-' || line[end] == '+') ++end;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '.' ||
                                 ((line[end] == '-' || line[end] == '+') && (line[end - 1] == 'e' || line[end - 1] == 'E'))))
        ++end;
    const std::string text = line.substr(at, end - at);
    at = end;
    const bool hex = text.find("0x") != std::string::npos || text.find("0X") != std::string::npos;
    const bool is_float = !hex && text.find_first_of(".eE") != std::string::npos;
    char* stop = nullptr;
    errno = 0;
    Token t{is_float ? Token::Kind::kFloat : Token::Kind::kInt, text};
    if (is_float) {
        t.real = std::strtod(text.c_str(), &stop);
    } else {
        t.integer = std::strtoll(text.c_str(), &stop, 0);
        if (t.integer < INT32_MIN || t.integer > UINT32_MAX) throw LineError("number out of range: " + text);
    }
    if (errno != 0 || !stop || *stop != '\0') throw LineError("bad number: " + text);
    return t;
}

std::vector<Token> tokenize(const std::string& line) {
    std::vector<Token> tokens;
    size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            tokens.push_back({Token::Kind::kString, read_string(line, at)});
        } else if (c == '=' && at + 1 < line.size() && line[at + 1] == '>') {
            tokens.push_back({Token::Kind::kArrow, "=>"});
            at += 2;
        } else if (c == '=' && at + 1 < line.size() && line[at + 1] == '=') {
            tokens.push_back({Token::Kind::kEquals, "=="});
            at += 2;
        } else if (c == '[' || c == ']' || c == ',') {
            tokens.push_back({c == '[' ? Token::Kind::kOpen : c == ']' ? Token::Kind::kClose : Token::Kind::kComma,
                              std::string(1, c)});
            ++at;
        } else if (c == '&' || c == '$' || c == '@' || c == '%') {
            size_t end = at + 1;
            while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
            if (end == at + 1) throw LineError(std::string("variable name missing after ") + c);
            tokens.push_back({Token::Kind::kVariable, line.substr(at, end - at)});
            at = end;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   ((c == '-' || c == '+') && at + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[at + 1])))) {
            tokens.push_back(read_number(line, at));
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '!' || c == '.') {
            // Words are names, directives and file names (so '.', '/' and '-' may stand inside).
            size_t end = at + 1;
            while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_' ||
                                         line[end] == '.' || line[end] == '/' || line[end] == '-'))
                ++end;
            tokens.push_back({Token::Kind::kWord, line.substr(at, end - at)});
            at = end;
        } else {
            throw LineError(std::string("unexpected character '") + c + "'");
        }
    }
    return tokens;
}

Argument to_argument(const Token& t) {
    Argument a;
    switch (t.kind) {
    case Token::Kind::kInt: a.kind = Argument::Kind::kInt, a.integer = t.integer; break;
    case Token::Kind::kFloat: a.kind = Argument::Kind::kFloat, a.real = t.real; break;
    case Token::Kind::kString: a.kind = Argument::Kind::kString, a.text = t.text; break;
    case Token::Kind::kVariable:
        a.text = t.text.substr(1);
        a.kind = t.text[0] == '&'   ? Argument::Kind::kIntVariable
                 : t.text[0] == '$' ? Argument::Kind::kStringVariable
                 : t.text[0] == '@' ? Argument::Kind::kArrayVariable
                                    : Argument::Kind::kStructVariable;
        break;
    default: throw LineError("not an argument: " + t.text);
    }
    return a;
}

Expected to_expected(const std::vector<Token>& tokens, size_t at) {
    if (at >= tokens.size()) throw LineError("expected value missing");
    Expected e;
    const Token& t = tokens[at];
    if (t.kind == Token::Kind::kOpen) {
        e.kind = Expected::Kind::kIntList;
        bool first = true, strings = false;
        for (++at; at < tokens.size() && tokens[at].kind != Token::Kind::kClose; ++at) {
            if (!first) {
                if (tokens[at].kind != Token::Kind::kComma) throw LineError("',' expected in list");
                ++at;
                if (at >= tokens.size()) break;
            }
            const Token& item = tokens[at];
            if (item.kind == Token::Kind::kInt && !strings) {
                e.integers.push_back(item.integer);
            } else if (item.kind == Token::Kind::kString && e.integers.empty()) {
                strings = true;
                e.kind = Expected::Kind::kStringList;
                e.texts.push_back(item.text);
            } else {
                throw LineError("a list holds ints or strings, not both");
            }
            first = false;
        }
        if (at >= tokens.size()) throw LineError("']' missing");
        ++at;
    } else if (t.kind == Token::Kind::kInt) {
        e.kind = Expected::Kind::kInt, e.integer = t.integer, ++at;
    } else if (t.kind == Token::Kind::kFloat) {
        e.kind = Expected::Kind::kFloat, e.real = t.real, ++at;
    } else if (t.kind == Token::Kind::kString) {
        e.kind = Expected::Kind::kString, e.text = t.text, ++at;
    } else {
        throw LineError("bad expected value: " + t.text);
    }
    if (at != tokens.size()) throw LineError("unexpected text after the expected value");
    return e;
}

int64_t number_at(const std::vector<Token>& tokens, size_t at, const char* what) {
    if (at >= tokens.size() || tokens[at].kind != Token::Kind::kInt) throw LineError(std::string(what) + " expected");
    return tokens[at].integer;
}

void expect_count(const std::vector<Token>& tokens, size_t count, const std::string& directive) {
    if (tokens.size() != count) throw LineError(directive + ": wrong number of operands");
}

// Builds one statement from the tokens of a line that starts with a directive.
Statement directive(const std::vector<Token>& tokens) {
    Statement s;
    const std::string& d = tokens[0].text;
    if (d == "!expect") {
        s.kind = Statement::Kind::kExpect;
        if (tokens.size() < 4 || tokens[1].kind != Token::Kind::kVariable || tokens[2].kind != Token::Kind::kEquals)
            throw LineError("!expect <variable> == <value>");
        s.variable = to_argument(tokens[1]);
        s.expected = to_expected(tokens, 3);
    } else if (d == "!array") {
        s.kind = Statement::Kind::kArray;
        expect_count(tokens, 3, d);
        s.name = tokens[1].text;
        if (tokens[2].text != "int" && tokens[2].text != "string") throw LineError("!array name int|string");
        s.types = {tokens[2].text};
    } else if (d == "!struct") {
        s.kind = Statement::Kind::kStruct;
        if (tokens.size() < 3 || tokens[1].kind != Token::Kind::kWord) throw LineError("!struct name type...");
        s.name = tokens[1].text;
        for (size_t i = 2; i < tokens.size(); ++i) {
            const std::string& type = tokens[i].text;
            if (type != "int" && type != "float" && type != "bool" && type != "string")
                throw LineError("structure members are int, float, bool or string: " + type);
            s.types.push_back(type);
        }
    } else if (d == "!errors") {
        s.kind = Statement::Kind::kErrors;
        expect_count(tokens, 2, d);
        s.numbers[0] = number_at(tokens, 1, "count");
    } else if (d == "!answer") {
        s.kind = Statement::Kind::kAnswer;
        expect_count(tokens, 2, d);
        s.name = tokens[1].text;
        if (s.name != "retry" && s.name != "cancel" && s.name != "ok") throw LineError("!answer retry|cancel|ok");
    } else if (d == "!frame") {
        s.kind = Statement::Kind::kFrame;
        expect_count(tokens, 2, d);
        s.name = tokens[1].text;
        if (s.name.size() < 5 || s.name.compare(s.name.size() - 4, 4, ".png") != 0 || s.name.find('/') != std::string::npos)
            throw LineError("!frame NAME.png");
    } else if (d == "!key") {
        s.kind = Statement::Kind::kKey;
        expect_count(tokens, 3, d);
        s.numbers[0] = number_at(tokens, 1, "virtual key");
        if (tokens[2].text != "down" && tokens[2].text != "up") throw LineError("!key VK down|up");
        s.numbers[1] = tokens[2].text == "down";
    } else if (d == "!mouse") {
        if (tokens.size() == 2 && tokens[1].text == "off") {
            s.kind = Statement::Kind::kMouseOff;
        } else {
            s.kind = Statement::Kind::kMouse;
            expect_count(tokens, 3, d);
            s.numbers[0] = number_at(tokens, 1, "x");
            s.numbers[1] = number_at(tokens, 2, "y");
        }
    } else if (d == "!wheel") {
        s.kind = Statement::Kind::kWheel;
        expect_count(tokens, 3, d);
        s.numbers[0] = number_at(tokens, 1, "first count");
        s.numbers[1] = number_at(tokens, 2, "second count");
    } else if (d == "!advance") {
        s.kind = Statement::Kind::kAdvance;
        expect_count(tokens, 2, d);
        s.numbers[0] = number_at(tokens, 1, "milliseconds");
        if (s.numbers[0] < 0) throw LineError("time only moves forward");
    } else if (d == "!repeat") {
        s.kind = Statement::Kind::kRepeat;
        expect_count(tokens, 2, d);
        s.numbers[0] = number_at(tokens, 1, "count");
        if (s.numbers[0] < 0) throw LineError("a negative repeat count");
    } else if (d == "!capture") {
        s.kind = Statement::Kind::kCapture;
        if (tokens.size() == 2 && tokens[1].text == "off") return s;  // numbers[0] 0: off
        expect_count(tokens, 3, d);
        s.numbers[0] = number_at(tokens, 1, "milliseconds");
        if (s.numbers[0] <= 0) throw LineError("!capture MS PREFIX, MS above 0, or !capture off");
        s.name = tokens[2].text;
        if (s.name.find('/') != std::string::npos) throw LineError("!capture MS PREFIX");
    } else if (d == "!load") {
        s.kind = Statement::Kind::kLoad;
        expect_count(tokens, 2, d);
        s.plugin = tokens[1].text;
    } else {
        throw LineError("unknown directive " + d);
    }
    return s;
}

Statement call(const std::vector<Token>& tokens) {
    Statement s;
    s.kind = Statement::Kind::kCall;
    const std::string& word = tokens[0].text;
    const size_t dot = word.find('.');
    if (dot != std::string::npos) {
        s.plugin = word.substr(0, dot);
        s.name = word.substr(dot + 1);
        if (s.plugin.empty() || s.name.empty() || s.name.find('.') != std::string::npos)
            throw LineError("Plugin.Name expected: " + word);
    } else {
        s.name = word;
    }
    size_t at = 1;
    for (; at < tokens.size() && tokens[at].kind != Token::Kind::kArrow; ++at) s.arguments.push_back(to_argument(tokens[at]));
    if (at < tokens.size()) {
        s.expected = to_expected(tokens, at + 1);
        if (s.expected->kind != Expected::Kind::kInt && s.expected->kind != Expected::Kind::kFloat)
            throw LineError("a result is an int or a float");
    }
    return s;
}

}  // namespace

std::optional<Scene> parse_scene(const std::string& file, const std::string& text, std::string& error) {
    Scene scene{file, {}};
    std::vector<std::vector<Statement>*> open{&scene.statements};
    std::vector<int> open_lines;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    try {
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::vector<Token> tokens = tokenize(line);
            if (tokens.empty()) continue;
            if (tokens[0].kind != Token::Kind::kWord) throw LineError("a statement starts with a name or a directive");
            if (tokens[0].text == "!end") {
                if (tokens.size() != 1) throw LineError("!end stands alone");
                if (open.size() == 1) throw LineError("!end without !repeat");
                open.pop_back();
                open_lines.pop_back();
                continue;
            }
            Statement s = tokens[0].text[0] == '!' ? directive(tokens) : call(tokens);
            s.line = number;
            open.back()->push_back(std::move(s));
            if (open.back()->back().kind == Statement::Kind::kRepeat) {
                open.push_back(&open.back()->back().body);
                open_lines.push_back(number);
            }
        }
        if (open.size() > 1) {
            number = open_lines.back();
            throw LineError("!repeat without !end");
        }
    } catch (const LineError& e) {
        error = file + ":" + std::to_string(number) + ": " + e.what();
        return std::nullopt;
    }
    return scene;
}

}  // namespace vesper_play
