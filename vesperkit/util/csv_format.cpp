#include "vesperkit/util/csv_format.h"

#include <algorithm>

namespace vesperkit::util {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

// A cell's bytes with quotes resolved: a quote followed by another quote gives one quote, any
// other quote is dropped. Pairs are taken from the left, so a run of n quotes gives n / 2.
std::string unquote(std::string_view raw) {
    std::string cell;
    cell.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != kQuote) {
            cell.push_back(raw[i]);
        } else if (i + 1 < raw.size() && raw[i + 1] == kQuote) {
            cell.push_back(kQuote);
            ++i;
        }
    }
    return cell;
}

// Where a cell lies in its line, before quotes are resolved.
struct RawCell {
    std::string_view bytes;
    bool has_quote;
};

// The cells of a line as spans of it; the scratch list is reused from line to line, so that each
// row is allocated once at its final size.
void find_cells(std::string_view line, std::vector<RawCell>& cells) {
    cells.clear();
    const char* const end = line.data() + line.size();
    const char* cursor = line.data();
    for (;;) {
        bool in_quotes = false;
        bool has_quote = false;
        const char* p = cursor;
        for (; p != end; ++p) {
            if (*p == kQuote) {
                in_quotes = !in_quotes;
                has_quote = true;
            } else if (*p == kComma && !in_quotes) {
                break;
            }
        }
        cells.push_back({std::string_view(cursor, static_cast<size_t>(p - cursor)), has_quote});
        // A comma as the last byte still opens one more (empty) cell; the end of the line does not.
        if (p == end) break;
        cursor = p + 1;
    }
}

CsvRow make_row(std::string_view line, std::vector<RawCell>& scratch) {
    find_cells(line.substr(0, line.find('\0')), scratch);
    CsvRow row;
    row.reserve(scratch.size());
    for (const RawCell& cell : scratch) row.push_back(cell.has_quote ? unquote(cell.bytes) : std::string(cell.bytes));
    return row;
}

}  // namespace

CsvRow split_csv_line(std::string_view line) {
    std::vector<RawCell> scratch;
    return make_row(line, scratch);
}

CsvTable parse_csv(std::string_view bytes, size_t& widest) {
    CsvTable table;
    widest = 0;
    table.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::vector<RawCell> scratch;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t line_end = bytes.find('\n', start);
        const size_t next = line_end == std::string_view::npos ? bytes.size() : line_end + 1;
        if (line_end == std::string_view::npos) line_end = bytes.size();
        // Only a CR right before the LF is part of the line end; a lone CR is text.
        else if (line_end > start && bytes[line_end - 1] == '\r') --line_end;
        table.push_back(make_row(bytes.substr(start, line_end - start), scratch));
        widest = std::max(widest, table.back().size());
        start = next;
    }
    return table;
}

void encode_csv_cell(std::string_view cell, std::string& out) {
    const bool has_comma = cell.find(kComma) != std::string_view::npos;
    const bool has_quote = cell.find(kQuote) != std::string_view::npos;
    if (!has_comma && !has_quote) {
        out.append(cell);
        return;
    }
    // Quotes are doubled, which keeps the reader's in-quotes flag where it was. The enclosing pair
    // protects commas. A cell of nothing but quotes is not enclosed: the reader pairs quotes from
    // the left within a run, so the enclosing quotes would join the doubled ones and read back as
    // one quote more; doubled alone they read back exactly.
    const bool enclose = cell.find_first_not_of(kQuote) != std::string_view::npos;
    if (enclose) out.push_back(kQuote);
    for (const char c : cell) {
        out.push_back(c);
        if (c == kQuote) out.push_back(kQuote);
    }
    if (enclose) out.push_back(kQuote);
}

std::string format_csv(const CsvTable& table) {
    size_t estimate = 0;
    for (const auto& row : table) {
        estimate += row.size() + 2;
        for (const auto& cell : row) estimate += cell.size();
    }
    std::string out;
    out.reserve(estimate);
    for (const auto& row : table) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out.push_back(kComma);
            encode_csv_cell(row[i], out);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace vesperkit::util
