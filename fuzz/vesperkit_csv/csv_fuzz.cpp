// Arbitrary bytes loaded as a CSV table and saved again. Beyond crashes and leaks, it checks that a
// saved table loads back as the same table, and so saves as the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "vesperkit/util/csv_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto* csv = new CCSVFile;
    csv->load_bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string saved = csv->save_bytes();

    auto* again = new CCSVFile;
    again->load_bytes(saved);
    if (again->rows() != csv->rows() || again->count_columns() != csv->count_columns()) std::abort();
    if (again->save_bytes() != saved) std::abort();

    // Every cell read as a number, and a reshape to the table's own bounding box (kept small, so
    // that an input of one long row and many short ones does not spend the run on empty cells),
    // which keeps every cell.
    const int lines = csv->count_lines();
    const int columns = csv->count_columns();
    for (int line = 0; line < lines; ++line)
        for (int column = 0; column < columns; ++column) (void)csv->get_int(line, column);
    if (static_cast<int64_t>(lines) * columns <= 65536) {
        if (!csv->realloc(lines, columns)) std::abort();
        for (int line = 0; line < lines; ++line) {
            const auto& before = again->rows()[static_cast<size_t>(line)];
            const auto& after = csv->rows()[static_cast<size_t>(line)];
            if (after.size() != static_cast<size_t>(columns)) std::abort();
            for (size_t column = 0; column < before.size(); ++column)
                if (after[column] != before[column]) std::abort();
        }
    }

    again->Release();
    csv->Release();
    return 0;
}
