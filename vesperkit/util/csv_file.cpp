#include "vesperkit/util/csv_file.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/path.h"
#include "vesperkit/util/strtoul32.h"

using vesperkit::util::CsvRow;
using vesperkit::util::CsvTable;

bool CCSVFile::load(const char* script_path) {
    path_ = script_path ? script_path : "";
    rows_.clear();
    widest_ = 0;
    std::vector<uint8_t> bytes;
    if (platform::file_system().read_file(platform::host_path(path_.c_str()), bytes) != platform::FileError::kNone)
        return false;
    load_bytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

void CCSVFile::load_bytes(std::string_view bytes) {
    size_t widest = 0;
    CsvTable rows = vesperkit::util::parse_csv(bytes, widest);
    rows_ = std::move(rows);
    widest_ = widest;
}

bool CCSVFile::save() { return write_to(path_); }

bool CCSVFile::save_as(const char* script_path) { return script_path && write_to(script_path); }

bool CCSVFile::write_to(const std::string& script_path) const {
    // An empty path names no file; asking the file system would only make a stray temporary file.
    if (script_path.empty()) return false;
    const std::string bytes = save_bytes();
    const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return platform::file_system().write_file(platform::host_path(script_path.c_str()), data) ==
           platform::FileError::kNone;
}

const std::string* CCSVFile::cell(int line, int column) const {
    // Compared as unsigned, so a negative index is far beyond any row or cell.
    const auto row = static_cast<uint32_t>(line);
    const auto col = static_cast<uint32_t>(column);
    if (row >= rows_.size() || col >= rows_[row].size()) return nullptr;
    return &rows_[row][col];
}

bool CCSVFile::set(int line, int column, std::string_view text) {
    if (!cell(line, column)) return false;
    rows_[static_cast<uint32_t>(line)][static_cast<uint32_t>(column)].assign(text);
    return true;
}

int CCSVFile::get_int(int line, int column) const {
    const std::string* text = cell(line, column);
    if (!text) return 0;
    return static_cast<int32_t>(vesperkit::util::strtoul32(*text));
}

bool CCSVFile::set_int(int line, int column, int value) { return set(line, column, std::to_string(value)); }

bool CCSVFile::realloc(int lines, int columns) {
    if (lines < 0 || columns < 0) return false;
    const auto new_rows = static_cast<size_t>(lines);
    const auto new_columns = static_cast<size_t>(columns);
    const size_t kept = std::min(rows_.size(), new_rows);

    // What the reshape creates: every new row (counted at least once, even without cells) and the
    // cells added to the rows that stay.
    uint64_t created = static_cast<uint64_t>(new_rows - kept) * std::max<uint64_t>(new_columns, 1);
    for (size_t r = 0; r < kept && created <= kMaxReallocCells; ++r)
        if (rows_[r].size() < new_columns) created += new_columns - rows_[r].size();
    if (created > kMaxReallocCells) return false;

    // Every allocation comes before the table changes, so running out of memory leaves it whole.
    for (size_t r = 0; r < kept; ++r) rows_[r].reserve(new_columns);
    CsvTable added;
    if (new_rows > kept) added.assign(new_rows - kept, CsvRow(new_columns));
    rows_.reserve(new_rows);

    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
    for (auto& row : rows_) row.resize(new_columns);
    std::move(added.begin(), added.end(), std::back_inserter(rows_));
    widest_ = new_rows > 0 ? new_columns : 0;
    return true;
}
