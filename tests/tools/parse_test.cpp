// Reading scene files: every statement form, and errors that name file and line.
#include <gtest/gtest.h>

#include "parse.h"
#include "platform/codepage.h"

namespace {

using vesper_play::Argument;
using vesper_play::Expected;
using vesper_play::Statement;

vesper_play::Scene parse_ok(const std::string& text) {
    std::string error;
    auto scene = vesper_play::parse_scene("s.scene", text, error);
    EXPECT_TRUE(scene.has_value()) << error;
    return scene ? *scene : vesper_play::Scene{};
}

std::string parse_error(const std::string& text) {
    std::string error;
    auto scene = vesper_play::parse_scene("s.scene", text, error);
    EXPECT_FALSE(scene.has_value()) << text;
    return error;
}

TEST(ParseScene, CallsWithEveryArgumentKindAndAResult) {
    platform::set_ansi_code_page(932);
    auto scene = parse_ok("# comment\n\nSP_SetPos 5 -3 0x1F => 1\nOrdwell.ExistFile \"表\\\\a\\x81\\n\" # tail\n"
                          "Mouse_GetPos &x &y\nCSV_Get $s 1 2\nSP_Enum @a\nCG_GetMetrics 3 %p\nFFT 0.5 1e3 => -2.5\n");
    ASSERT_EQ(scene.statements.size(), 7u);
    const Statement& pos = scene.statements[0];
    EXPECT_EQ(pos.line, 3);
    EXPECT_EQ(pos.name, "SP_SetPos");
    EXPECT_TRUE(pos.plugin.empty());
    ASSERT_EQ(pos.arguments.size(), 3u);
    EXPECT_EQ(pos.arguments[1].integer, -3);
    EXPECT_EQ(pos.arguments[2].integer, 31);
    ASSERT_TRUE(pos.expected.has_value());
    EXPECT_EQ(pos.expected->integer, 1);
    const Statement& exist = scene.statements[1];
    EXPECT_EQ(exist.plugin, "Ordwell");
    EXPECT_EQ(exist.name, "ExistFile");
    // UTF-8 text becomes CP932; \xHH bytes are kept as they are.
    EXPECT_EQ(exist.arguments[0].text, "\x95\x5C\\a\x81\n");
    EXPECT_EQ(scene.statements[2].arguments[0].kind, Argument::Kind::kIntVariable);
    EXPECT_EQ(scene.statements[2].arguments[1].text, "y");
    EXPECT_EQ(scene.statements[3].arguments[0].kind, Argument::Kind::kStringVariable);
    EXPECT_EQ(scene.statements[4].arguments[0].kind, Argument::Kind::kArrayVariable);
    EXPECT_EQ(scene.statements[5].arguments[1].kind, Argument::Kind::kStructVariable);
    const Statement& fft = scene.statements[6];
    EXPECT_EQ(fft.arguments[0].kind, Argument::Kind::kFloat);
    EXPECT_DOUBLE_EQ(fft.arguments[1].real, 1000.0);
    EXPECT_EQ(fft.expected->kind, Expected::Kind::kFloat);
    EXPECT_DOUBLE_EQ(fft.expected->real, -2.5);
}

TEST(ParseScene, DirectivesAndNestedRepeats) {
    auto scene = parse_ok(
        "!array names string\n!struct m int int string\n!errors 2\n!answer retry\n!frame a.png\n!key 17 down\n"
        "!mouse 10 20\n!mouse off\n!wheel 1 -1\n!advance 16\n!load Dawnsigil\n"
        "!repeat 3\n  Update\n  !repeat 2\n    !advance 1\n  !end\n!end\n"
        "!expect &v == 5\n!expect $s == \"x\"\n!expect @a == [1, 2, 3]\n!expect @n == [\"a\", \"b\"]\n");
    using K = Statement::Kind;
    const std::vector<K> kinds = {K::kArray, K::kStruct, K::kErrors,   K::kAnswer, K::kFrame, K::kKey,
                                  K::kMouse, K::kMouseOff, K::kWheel, K::kAdvance, K::kLoad, K::kRepeat,
                                  K::kExpect, K::kExpect, K::kExpect, K::kExpect};
    ASSERT_EQ(scene.statements.size(), kinds.size());
    for (size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(scene.statements[i].kind, kinds[i]) << i;
    EXPECT_EQ(scene.statements[1].types, (std::vector<std::string>{"int", "int", "string"}));
    EXPECT_EQ(scene.statements[5].numbers[1], 1);
    const Statement& repeat = scene.statements[11];
    EXPECT_EQ(repeat.numbers[0], 3);
    ASSERT_EQ(repeat.body.size(), 2u);
    EXPECT_EQ(repeat.body[1].body.size(), 1u);
    EXPECT_EQ(scene.statements[14].expected->integers, (std::vector<int64_t>{1, 2, 3}));
    EXPECT_EQ(scene.statements[15].expected->texts, (std::vector<std::string>{"a", "b"}));
}

TEST(ParseScene, ErrorsNameFileAndLine) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"Update\n!bogus\n", "s.scene:2: unknown directive !bogus"},
        {"SP_SetPos \"open\n", "s.scene:1: unterminated string"},
        {"Error \"\\q\"\n", "s.scene:1: unknown escape \\q"},
        {"Error \"\\x4\"\n", "s.scene:1: \\x needs two hex digits"},
        {"\n\n!repeat 2\nUpdate\n", "s.scene:3: !repeat without !end"},
        {"!end\n", "s.scene:1: !end without !repeat"},
        {"SP_SetPos 1 2 =>\n", "s.scene:1: expected value missing"},
        {"SP_SetPos 99999999999\n", "s.scene:1: number out of range: 99999999999"},
        {"!frame ../x.png\n", "s.scene:1: !frame NAME.png"},
        {"!expect &v 5\n", "s.scene:1: !expect <variable> == <value>"},
        {"!advance -5\n", "s.scene:1: time only moves forward"},
        {"5 SP_SetPos\n", "s.scene:1: a statement starts with a name or a directive"},
        {"A.B.C 1\n", "s.scene:1: Plugin.Name expected: A.B.C"},
        {"!expect @a == [1, \"x\"]\n", "s.scene:1: a list holds ints or strings, not both"},
        {"SP_SetPos ;\n", "s.scene:1: unexpected character ';'"},
        {"!capture 0 shot\n", "s.scene:1: !capture MS PREFIX, MS above 0, or !capture off"},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_error(c.text), c.error) << c.text;
}

}  // namespace
