// Bytes of a CSV file to rows of cells and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vesperkit/util/csv_format.h"

namespace {

using vesperkit::util::CsvRow;
using vesperkit::util::CsvTable;

CsvTable parse(std::string_view bytes) {
    size_t widest = 0;
    CsvTable table = vesperkit::util::parse_csv(bytes, widest);
    size_t expected_widest = 0;
    for (const auto& row : table) expected_widest = std::max(expected_widest, row.size());
    EXPECT_EQ(widest, expected_widest) << "widest row of " << testing::PrintToString(std::string(bytes));
    return table;
}

// Shift-JIS characters whose trail bytes are a backslash and a vertical bar.
const std::string kHyou = "\x95\x5C";  // 表
const std::string kPo = "\x83\x7C";    // ポ

struct ParseCase {
    const char* name;
    std::string bytes;
    CsvTable rows;
};

TEST(CsvParse, LinesAndCells) {
    const std::string long_line(10000, 'x');
    const ParseCase cases[] = {
        {"crlf", "a,b\r\nc\r\n", {{"a", "b"}, {"c"}}},
        {"lf", "a,b\nc\n", {{"a", "b"}, {"c"}}},
        {"mixed ends, no final line end", "a\r\nb\nc", {{"a"}, {"b"}, {"c"}}},
        {"lone cr stays in the cell", "a\rb\r\nc\r", {{"a\rb"}, {"c\r"}}},
        {"cr before crlf", "a\r\r\n", {{"a\r"}}},
        {"empty file", "", {}},
        {"one line end", "\r\n", {{""}}},
        {"empty line in the middle", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}},
        {"trailing comma", "x,\r\n", {{"x", ""}}},
        {"only a comma", ",", {{"", ""}}},
        {"quoted comma", "\"a,b\",c", {{"a,b", "c"}}},
        {"doubled quote alone", "\"\"", {{"\""}}},
        {"doubled quote inside", "a\"\"b,\"c\"\"d\"", {{"a\"b", "c\"d"}}},
        {"stray quote keeps the comma", "a\"b,c\r\nd", {{"ab,c"}, {"d"}}},
        {"three quotes", "\"\"\"", {{"\""}}},
        {"stray closing quote", "ab\",c", {{"ab,c"}}},
        {"zero byte ends the line", std::string("a\0b,c\r\nd", 8), {{"a"}, {"d"}}},
        {"shift-jis trail bytes", kHyou + "," + kPo + "\r\n\"" + kHyou + "," + kPo + "\"",
         {{kHyou, kPo}, {kHyou + "," + kPo}}},
        {"10000-byte line", long_line + "\r\nnext\r\n", {{long_line}, {"next"}}},
        {"10000-byte line at the end", "first\n" + long_line + "," + long_line, {{"first"}, {long_line, long_line}}},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.bytes), c.rows) << c.name;
}

// Files whose cells hold no comma or quote come back byte for byte, line ends as CR LF.
TEST(CsvFormat, PlainFilesRoundTripByteForByte) {
    const std::string wide_row = [] {
        std::string row;
        for (int i = 0; i < 2000; ++i) row += (i ? "," : "") + std::to_string(i * 7919);
        return row;
    }();
    const std::string files[] = {
        "a,b\r\nc\r\n",
        "\r\n",
        "x,\r\n,\r\n\r\nend\r\n",
        kHyou + "," + kPo + "\\" + kHyou + "\r\n" + "\x82\xA0\x82\xA2,\x81\x5C\x81\x7C\r\n",
        std::string(10000, 'y') + "\r\n" + wide_row + "\r\nlast\r\n",
        "cr\rinside,x\r\r\n",
    };
    for (const auto& file : files) EXPECT_EQ(vesperkit::util::format_csv(parse(file)), file) << file.size();
}

TEST(CsvFormat, LineEndsAreWrittenAsCrLfAfterEveryRow) {
    EXPECT_EQ(vesperkit::util::format_csv(parse("a\nb")), "a\r\nb\r\n");
    EXPECT_EQ(vesperkit::util::format_csv({}), "");
    // A row without cells (a reshape to no columns) is an empty line.
    EXPECT_EQ(vesperkit::util::format_csv({{}, {"a"}, {}}), "\r\na\r\n\r\n");
}

TEST(CsvFormat, CellsWithCommasOrQuotesAreQuotedAndReadBackUnchanged) {
    struct Case {
        std::string cell;
        std::string written;
    };
    const Case cases[] = {
        {"a,b", "\"a,b\""},
        {"a\"b", "\"a\"\"b\""},
        {",", "\",\""},
        {"\"a", "\"\"\"a\""},
        {"a\"", "\"a\"\"\""},
        {"\",", "\"\"\",\""},
        {"x\"\",y", "\"x\"\"\"\",y\""},
        // Nothing but quotes: doubled, not enclosed, or the reader would give one quote more.
        {"\"", "\"\""},
        {"\"\"\"", "\"\"\"\"\"\""},
        {kHyou + "," + kPo, "\"" + kHyou + "," + kPo + "\""},
        {"plain", "plain"},
        {"", ""},
    };
    CsvRow row;
    for (const auto& c : cases) {
        std::string written;
        vesperkit::util::encode_csv_cell(c.cell, written);
        EXPECT_EQ(written, c.written) << c.cell;
        // Alone on its row and between neighbours.
        EXPECT_EQ(parse(vesperkit::util::format_csv({{c.cell}})), (CsvTable{{c.cell}})) << c.cell;
        EXPECT_EQ(parse(vesperkit::util::format_csv({{"<", c.cell, ">"}})), (CsvTable{{"<", c.cell, ">"}})) << c.cell;
        row.push_back(c.cell);
    }
    const CsvTable table{row, {"after"}};
    EXPECT_EQ(parse(vesperkit::util::format_csv(table)), table);
}

}  // namespace
