// Exports of the CSV table. Without a table (the root failed to make one) each does nothing and
// answers 0.
#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"
#include "platform/debug_output.h"

namespace {

CCSVFile* table() { return g_pTARN ? g_pTARN->m_pICSVFile : nullptr; }

}  // namespace

int CSV_CountLines() {
    CCSVFile* csv = table();
    return csv ? csv->count_lines() : 0;
}

int CSV_CountColumns() {
    CCSVFile* csv = table();
    return csv ? csv->count_columns() : 0;
}

int CSV_Set(int line, int column, IString* text) {
    return vesperkit::guard_export(0, [&] {
        CCSVFile* csv = table();
        if (!csv || !text) return 0;
        const char* bytes = text->Get();
        return csv->set(line, column, bytes ? bytes : "") ? 1 : 0;
    });
}

void CSV_Get(IString* out, int line, int column) {
    vesperkit::guard_export([&] {
        if (!out) return;
        CCSVFile* csv = table();
        const std::string* cell = csv ? csv->cell(line, column) : nullptr;
        out->Set(cell ? cell->c_str() : "");
    });
}

int CSV_SetInt(int line, int column, int value) {
    return vesperkit::guard_export(0, [&] {
        CCSVFile* csv = table();
        return csv && csv->set_int(line, column, value) ? 1 : 0;
    });
}

int CSV_GetInt(int line, int column) {
    CCSVFile* csv = table();
    return csv ? csv->get_int(line, column) : 0;
}

void CSV_Realloc(int lines, int columns) {
    vesperkit::guard_export([&] {
        CCSVFile* csv = table();
        if (!csv || csv->realloc(lines, columns)) return;
        // There is no result to carry the refusal, so the developer hears of it here.
        const std::string note = "CSV_Realloc: the table keeps its shape; " + std::to_string(lines) + " lines of " +
                                 std::to_string(columns) + " columns cannot be made\n";
        platform::output_debug_string(note.c_str());
    });
}

int CSV_SaveAs(IString* path) {
    return vesperkit::guard_export(0, [&] {
        CCSVFile* csv = table();
        return csv && path && csv->save_as(path->Get()) ? 1 : 0;
    });
}

int CSV_Save() {
    return vesperkit::guard_export(0, [&] {
        CCSVFile* csv = table();
        return csv && csv->save() ? 1 : 0;
    });
}

int CSV_Load(IString* path) {
    return vesperkit::guard_export(0, [&] {
        CCSVFile* csv = table();
        if (!csv) return 0;
        return csv->load(path ? path->Get() : nullptr) ? 1 : 0;
    });
}
