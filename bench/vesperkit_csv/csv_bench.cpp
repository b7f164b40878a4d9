// Loading a 20 MB CSV table beside a plain read of the same file, and the column count asked in a
// loop on that table.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/temp_dir.h"
#include "vesperkit/util/csv_file.h"

namespace {

constexpr size_t kFileBytes = 20u << 20;

// A table as scripts keep them: ids, numbers, short names, Shift-JIS text, now and then a quoted
// cell with a comma or quotes; rows of uneven length.
std::string make_table_bytes() {
    uint32_t state = 1;
    auto next = [&state] {
        state = state * 214013u + 2531011u;
        return (state >> 16) & 0x7FFF;
    };
    const char* const japanese[] = {"\x82\xA0\x82\xA2\x82\xA4", "\x95\x5C\x8E\xA6", "\x83\x7C\x81\x5B\x83\x56\x83\x87\x83\x93"};
    std::string out;
    out.reserve(kFileBytes + 256);
    for (int row = 0; out.size() < kFileBytes; ++row) {
        const int cells = 6 + static_cast<int>(next() % 6);
        out += std::to_string(row);
        for (int c = 1; c < cells; ++c) {
            out += ',';
            switch (next() % 5) {
            case 0: out += std::to_string(next() * 37); break;
            case 1: out += "item_" + std::to_string(next() % 1000); break;
            case 2: out += japanese[next() % 3]; break;
            case 3: out += (next() % 8 == 0) ? "\"a, \"\"quoted\"\" cell\"" : "0x" + std::to_string(next() % 100); break;
            default: break;  // empty cell
            }
        }
        out += "\r\n";
    }
    return out;
}

struct Fixture {
    test_support::TempDir dir;
    std::string path = dir / "table.csv";
    size_t bytes = 0;
    Fixture() {
        const std::string table = make_table_bytes();
        bytes = table.size();
        std::ofstream(path, std::ios::binary) << table;
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

double plain_read_seconds = 0;  // per read, from the run of BM_PlainRead

template <class Body>
double seconds_per_iteration(benchmark::State& state, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) body();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return state.iterations() ? spent.count() / static_cast<double>(state.iterations()) : 0;
}

void BM_PlainRead(benchmark::State& state) {
    Fixture& f = fixture();
    std::vector<uint8_t> bytes;
    plain_read_seconds = seconds_per_iteration(state, [&] {
        platform::file_system().read_file(f.path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    });
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
}

void BM_CsvLoad(benchmark::State& state) {
    Fixture& f = fixture();
    auto* csv = new CCSVFile;
    const double load_seconds = seconds_per_iteration(state, [&] {
        if (!csv->load(f.path.c_str())) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(csv->count_lines());
    });
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
    state.counters["rows"] = csv->count_lines();
    if (plain_read_seconds > 0) state.counters["x_plain_read"] = load_seconds / plain_read_seconds;
    csv->Release();
}

// The column count is kept with the table: asking it in a loop costs the same on a 20 MB table as
// on an empty one.
void BM_CountColumns(benchmark::State& state) {
    auto* csv = new CCSVFile;
    if (state.range(0) != 0) csv->load(fixture().path.c_str());
    for (auto _ : state) benchmark::DoNotOptimize(csv->count_columns());
    state.counters["rows"] = csv->count_lines();
    csv->Release();
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CsvLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CountColumns)->Arg(0)->Arg(1);

}  // namespace
