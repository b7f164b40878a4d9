// The CSV exports on the reference host.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "platform/debug_output.h"
#include "support/engine_host.h"
#include "support/script_values.h"
#include "support/temp_dir.h"

namespace {

using test_support::EngineHost;
using test_support::ScriptString;
using test_support::TempDir;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string get(EngineHost& engine, int line, int column) {
    ScriptString out("stale");
    engine.vk.CSV_Get(&out, line, column);
    return out.text();
}

TEST(CsvExports, LoadChangeAndSaveATable) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    TempDir dir;
    std::ofstream(dir / "items.csv", std::ios::binary) << "name,count\nsword,0x10\n";

    ScriptString path(dir.path() + "\\items.csv");
    ASSERT_EQ(engine.vk.CSV_Load(&path), 1);
    EXPECT_EQ(engine.vk.CSV_CountLines(), 2);
    EXPECT_EQ(engine.vk.CSV_CountColumns(), 2);
    EXPECT_EQ(get(engine, 1, 0), "sword");
    EXPECT_EQ(get(engine, 1, 2), "");
    EXPECT_EQ(get(engine, -1, 0), "");
    EXPECT_EQ(engine.vk.CSV_GetInt(1, 1), 16);

    ScriptString shield("shield, small");
    EXPECT_EQ(engine.vk.CSV_Set(1, 0, &shield), 1);
    EXPECT_EQ(engine.vk.CSV_Set(2, 0, &shield), 0);
    EXPECT_EQ(engine.vk.CSV_SetInt(1, 1, INT_MIN), 1);
    EXPECT_EQ(engine.vk.CSV_SetInt(0, 2, 1), 0);
    EXPECT_EQ(engine.vk.CSV_GetInt(1, 1), INT_MIN);

    ScriptString copy(dir.path() + "\\copy.csv");
    EXPECT_EQ(engine.vk.CSV_SaveAs(&copy), 1);
    EXPECT_EQ(read_file(dir / "copy.csv"), "name,count\r\n\"shield, small\",-2147483648\r\n");
    engine.vk.CSV_Realloc(1, 3);
    EXPECT_EQ(engine.vk.CSV_CountColumns(), 3);
    EXPECT_EQ(engine.vk.CSV_Save(), 1);
    EXPECT_EQ(read_file(dir / "items.csv"), "name,count,\r\n");

    // The copy loads back as the table that was saved.
    ASSERT_EQ(engine.vk.CSV_Load(&copy), 1);
    EXPECT_EQ(get(engine, 1, 0), "shield, small");
    EXPECT_TRUE(engine.errors().empty());
}

TEST(CsvExports, FailuresAnswerZero) {
    EngineHost engine;
    ASSERT_TRUE(engine.init());
    TempDir dir;
    // Before any load there is no path to save to.
    EXPECT_EQ(engine.vk.CSV_Save(), 0);
    ScriptString folder(dir.path());
    EXPECT_EQ(engine.vk.CSV_Load(&folder), 0);
    EXPECT_EQ(engine.vk.CSV_Save(), 0);
    ScriptString full("/dev/full");
    EXPECT_EQ(engine.vk.CSV_SaveAs(&full), 0);
    EXPECT_EQ(engine.vk.CSV_Load(nullptr), 0);
    EXPECT_EQ(engine.vk.CSV_SaveAs(nullptr), 0);
    EXPECT_EQ(engine.vk.CSV_Set(0, 0, nullptr), 0);
    engine.vk.CSV_Get(nullptr, 0, 0);

    // A refused reshape leaves the table and tells the developer.
    ScriptString missing(dir / "new.csv");
    EXPECT_EQ(engine.vk.CSV_Load(&missing), 0);
    engine.vk.CSV_Realloc(2, 2);
    platform::clear_debug_lines();
    engine.vk.CSV_Realloc(-1, 3);
    EXPECT_EQ(engine.vk.CSV_CountLines(), 2);
    ASSERT_EQ(platform::debug_lines().size(), 1u);
    EXPECT_NE(platform::debug_lines()[0].find("CSV_Realloc"), std::string::npos);
    // A missing file's path is where Save writes.
    EXPECT_EQ(engine.vk.CSV_Save(), 1);
    EXPECT_EQ(read_file(dir / "new.csv"), ",\r\n,\r\n");
    EXPECT_TRUE(engine.errors().empty());
}

TEST(CsvExports, WithoutATableEveryExportAnswersZero) {
    platform::fail("Vesperkit.new.CCSVFile");
    EngineHost engine;
    EXPECT_FALSE(engine.init());
    TempDir dir;
    std::ofstream(dir / "t.csv", std::ios::binary) << "1,2\r\n";
    ScriptString path(dir / "t.csv");
    ScriptString text("x");
    EXPECT_EQ(engine.vk.CSV_Load(&path), 0);
    EXPECT_EQ(engine.vk.CSV_Save(), 0);
    EXPECT_EQ(engine.vk.CSV_SaveAs(&path), 0);
    EXPECT_EQ(engine.vk.CSV_CountLines(), 0);
    EXPECT_EQ(engine.vk.CSV_CountColumns(), 0);
    EXPECT_EQ(engine.vk.CSV_Set(0, 0, &text), 0);
    EXPECT_EQ(engine.vk.CSV_SetInt(0, 0, 1), 0);
    EXPECT_EQ(engine.vk.CSV_GetInt(0, 0), 0);
    engine.vk.CSV_Realloc(1, 1);
    EXPECT_EQ(get(engine, 0, 0), "");
    EXPECT_EQ(read_file(dir / "t.csv"), "1,2\r\n");
}

}  // namespace
