#pragma once
// The text form of a CSV table: how a file's bytes become rows of cells and back.
//
// Reading: a line ends at CR LF or at a lone LF (a CR not followed by LF stays in the line); there
// is no limit on the length of a line. A line ends at its first zero byte. Cells are separated by
// commas; a comma between an opening and a closing double quote belongs to the cell; a doubled
// quote reads as one quote and every other quote is dropped.
//
// Writing: cells joined by commas, CR LF after every row (the last one too). A cell that holds a
// comma or a quote is written so that it reads back unchanged (see encode_csv_cell); every other
// cell goes out exactly as its bytes are.
//
// Cells are bytes of the script's code page. The double-byte code pages the scripts use never have
// a trail byte of 0x22 or 0x2C, so no lead-byte test is needed here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vesperkit::util {

using CsvRow = std::vector<std::string>;
using CsvTable = std::vector<CsvRow>;

// Splits one line (line end already removed) into its cells; the row always has at least one.
CsvRow split_csv_line(std::string_view line);

// Every row of a file's bytes. A final line end yields no extra empty row; an empty file has none.
// `widest` receives the largest cell count of any row (0 when there are no rows).
CsvTable parse_csv(std::string_view bytes, size_t& widest);

// Appends the cell as it is written into a file.
void encode_csv_cell(std::string_view cell, std::string& out);

// The bytes of a whole table.
std::string format_csv(const CsvTable& table);

}  // namespace vesperkit::util
