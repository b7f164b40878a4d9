#pragma once
// The engine's CSV table: the one table scripts load from a file, read and change cell by cell,
// reshape and write back. The root makes it empty, with no path, at start-up.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "interfaces/iinterface.h"
#include "vesperkit/frame/ref_counted.h"
#include "vesperkit/util/csv_format.h"

class CCSVFile : public vesperkit::RefCounted<IInterface> {
public:
    // Bounds of CSV_Realloc: rows and cells a reshape may create. Far above any table a script
    // keeps, low enough that a mistyped count is refused instead of exhausting memory.
    static constexpr uint64_t kMaxReallocCells = uint64_t{1} << 24;

    // Reads the file named by a script path (backslashes allowed) into the table. The path is
    // stored and the table emptied first, whatever the outcome. False when the file cannot be read.
    bool load(const char* script_path);
    // Writes the table to the stored path, or to another one without storing it. The file is
    // replaced only once the whole table is written; false when anything of that failed, and then
    // the previous file is still there.
    bool save();
    bool save_as(const char* script_path);

    int count_lines() const { return static_cast<int>(rows_.size()); }
    // The largest cell count of any row; kept with the table, so asking costs nothing.
    int count_columns() const { return static_cast<int>(widest_); }
    // The cell's text, or null when the line or column does not name a cell (negative indices
    // never do).
    const std::string* cell(int line, int column) const;
    // Replaces a cell's text; false and no change when the cell does not exist.
    bool set(int line, int column, std::string_view text);
    // The cell read as a number the way scripts expect (see strtoul32); 0 for a missing cell.
    int get_int(int line, int column) const;
    bool set_int(int line, int column, int value);
    // Makes the table `lines` rows of `columns` cells each, keeping what lies inside both shapes.
    // Negative counts, or a shape above kMaxReallocCells, leave the table as it is: false.
    bool realloc(int lines, int columns);

    // The table from and to a file's bytes.
    void load_bytes(std::string_view bytes);
    std::string save_bytes() const { return vesperkit::util::format_csv(rows_); }

    const std::string& path() const { return path_; }
    const vesperkit::util::CsvTable& rows() const { return rows_; }

private:
    bool write_to(const std::string& script_path) const;

    std::string path_;  // as the script gave it, script bytes
    vesperkit::util::CsvTable rows_;
    size_t widest_ = 0;  // the largest cell count of any row
};
