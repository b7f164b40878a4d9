// The table object: files, cells, numbers and reshaping.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/faults.h"
#include "support/temp_dir.h"
#include "vesperkit/util/csv_file.h"

namespace {

using vesperkit::util::CsvTable;

struct Releaser {
    void operator()(CCSVFile* csv) const { csv->Release(); }
};
using Table = std::unique_ptr<CCSVFile, Releaser>;

Table make_table(std::string_view bytes = {}) {
    Table csv(new CCSVFile);
    csv->load_bytes(bytes);
    return csv;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class CsvFileTest : public testing::Test {
protected:
    void TearDown() override { platform::heal_all(); }
    test_support::TempDir dir;
};

TEST_F(CsvFileTest, LoadReadsTheFileNamedByAScriptPath) {
    std::filesystem::create_directory(dir / "data");
    write_file(dir / "data/table.csv", "a,b\r\nc");
    Table csv = make_table();
    // The script writes backslashes.
    const std::string script_path = dir.path() + "\\data\\table.csv";
    ASSERT_TRUE(csv->load(script_path.c_str()));
    EXPECT_EQ(csv->path(), script_path);
    EXPECT_EQ(csv->rows(), (CsvTable{{"a", "b"}, {"c"}}));
    EXPECT_EQ(csv->count_lines(), 2);
    EXPECT_EQ(csv->count_columns(), 2);
    EXPECT_EQ(csv->cell(1, 1), nullptr);
    ASSERT_NE(csv->cell(1, 0), nullptr);
    EXPECT_EQ(*csv->cell(1, 0), "c");
}

TEST_F(CsvFileTest, AnUnreadableFileLeavesAnEmptyTableAndKeepsItsPath) {
    Table csv = make_table("old,row\r\n");
    const std::string missing = dir / "missing.csv";
    EXPECT_FALSE(csv->load(missing.c_str()));
    EXPECT_EQ(csv->count_lines(), 0);
    EXPECT_EQ(csv->count_columns(), 0);
    EXPECT_EQ(csv->path(), missing);
    // Saving then writes that same path.
    ASSERT_TRUE(csv->save());
    EXPECT_EQ(read_file(missing), "");

    Table folder = make_table("x");
    EXPECT_FALSE(folder->load(dir.path().c_str()));
    EXPECT_EQ(folder->count_lines(), 0);
    EXPECT_FALSE(folder->load(nullptr));
    EXPECT_EQ(folder->path(), "");
}

TEST_F(CsvFileTest, ALongLineNoLongerCutsTheFileShort) {
    const std::string file = "head\r\n" + std::string(10000, 'z') + ",tail\r\nafter\r\n";
    write_file(dir / "long.csv", file);
    Table csv = make_table();
    ASSERT_TRUE(csv->load((dir / "long.csv").c_str()));
    EXPECT_EQ(csv->count_lines(), 3);
    ASSERT_TRUE(csv->save());
    EXPECT_EQ(read_file(dir / "long.csv"), file);
}

TEST_F(CsvFileTest, SaveAsWritesElsewhereAndSaveStillWritesTheLoadedPath) {
    write_file(dir / "in.csv", "1,2\n3\n");
    Table csv = make_table();
    ASSERT_TRUE(csv->load((dir / "in.csv").c_str()));
    ASSERT_TRUE(csv->set(0, 0, "one"));
    ASSERT_TRUE(csv->save_as((dir / "out.csv").c_str()));
    EXPECT_EQ(read_file(dir / "out.csv"), "one,2\r\n3\r\n");
    EXPECT_EQ(read_file(dir / "in.csv"), "1,2\n3\n");
    ASSERT_TRUE(csv->set(1, 0, "three"));
    ASSERT_TRUE(csv->save());
    EXPECT_EQ(read_file(dir / "in.csv"), "one,2\r\nthree\r\n");
    EXPECT_EQ(read_file(dir / "out.csv"), "one,2\r\n3\r\n");
    EXPECT_FALSE(csv->save_as(nullptr));
}

TEST_F(CsvFileTest, AFailedSaveAnswersFalseAndKeepsThePreviousFile) {
    const std::string previous = "keep,me\r\n";
    write_file(dir / "t.csv", previous);
    Table csv = make_table();
    ASSERT_TRUE(csv->load((dir / "t.csv").c_str()));
    ASSERT_TRUE(csv->set(0, 0, "changed"));

    // Nothing loaded yet: there is no path to write.
    EXPECT_FALSE(make_table("a")->save());
    // A folder, a device that is always full, a folder that does not exist.
    EXPECT_FALSE(csv->save_as(dir.path().c_str()));
    EXPECT_FALSE(csv->save_as("/dev/full"));
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device must not be replaced by a file";
    EXPECT_FALSE(csv->save_as((dir / "no/such/folder.csv").c_str()));

    // The disk fills up while writing; the finished file cannot be put in place.
    for (const char* fault : {"file_system.write", "file_system.rename"}) {
        platform::fail(fault);
        EXPECT_FALSE(csv->save()) << fault;
        platform::heal(fault);
        EXPECT_EQ(read_file(dir / "t.csv"), previous) << fault;
    }
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1);
    EXPECT_TRUE(csv->save());
    EXPECT_EQ(read_file(dir / "t.csv"), "changed,me\r\n");
}

TEST_F(CsvFileTest, QuotedCellsSurviveASaveAndALoad) {
    Table csv = make_table("a,b,c\r\n");
    ASSERT_TRUE(csv->set(0, 0, "1,000"));
    ASSERT_TRUE(csv->set(0, 1, "say \"hi\""));
    ASSERT_TRUE(csv->set(0, 2, "\""));
    ASSERT_TRUE(csv->save_as((dir / "q.csv").c_str()));
    EXPECT_EQ(read_file(dir / "q.csv"), "\"1,000\",\"say \"\"hi\"\"\",\"\"\r\n");
    Table back = make_table();
    ASSERT_TRUE(back->load((dir / "q.csv").c_str()));
    EXPECT_EQ(back->rows(), csv->rows());
}

TEST(CsvFile, CellsAreNamedOnlyInsideTheirRow) {
    Table csv = make_table("a,b\r\nc");
    struct Case {
        int line, column;
        bool exists;
    };
    const Case cases[] = {{0, 0, true}, {0, 1, true}, {1, 0, true}, {1, 1, false}, {2, 0, false},
                          {-1, 0, false}, {0, -1, false}, {INT_MIN, INT_MIN, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(csv->cell(c.line, c.column) != nullptr, c.exists) << c.line << "," << c.column;
        EXPECT_EQ(csv->set(c.line, c.column, "new"), c.exists) << c.line << "," << c.column;
        EXPECT_EQ(csv->set_int(c.line, c.column, 5), c.exists) << c.line << "," << c.column;
    }
    EXPECT_EQ(csv->rows(), (CsvTable{{"5", "5"}, {"5"}}));
}

TEST(CsvFile, NumbersAreWrittenAsSignedDecimalAndReadBack) {
    Table csv = make_table("x\r\n");
    for (const int value : {0, 7, -5, 2147483647, INT_MIN}) {
        ASSERT_TRUE(csv->set_int(0, 0, value));
        EXPECT_EQ(*csv->cell(0, 0), std::to_string(value));
        EXPECT_EQ(csv->get_int(0, 0), value);
    }
    EXPECT_EQ(csv->get_int(0, 1), 0);
    EXPECT_EQ(csv->get_int(-1, 0), 0);
    ASSERT_TRUE(csv->set(0, 0, "0x10"));
    EXPECT_EQ(csv->get_int(0, 0), 16);
}

TEST(CsvFile, ReallocReshapesKeepingTheCommonCells) {
    Table csv = make_table("a,b\r\nc");
    ASSERT_TRUE(csv->realloc(2, 3));
    EXPECT_EQ(csv->rows(), (CsvTable{{"a", "b", ""}, {"c", "", ""}}));
    EXPECT_EQ(csv->count_columns(), 3);
    ASSERT_TRUE(csv->realloc(3, 1));
    EXPECT_EQ(csv->rows(), (CsvTable{{"a"}, {"c"}, {""}}));
    EXPECT_EQ(csv->count_columns(), 1);
    ASSERT_TRUE(csv->realloc(2, 0));
    EXPECT_EQ(csv->rows(), (CsvTable{{}, {}}));
    EXPECT_EQ(csv->count_lines(), 2);
    EXPECT_EQ(csv->count_columns(), 0);
    EXPECT_EQ(csv->save_bytes(), "\r\n\r\n");
    ASSERT_TRUE(csv->realloc(0, 5));
    EXPECT_EQ(csv->count_lines(), 0);
    EXPECT_EQ(csv->count_columns(), 0);
    EXPECT_EQ(csv->save_bytes(), "");
}

TEST(CsvFile, ReallocRefusesNegativeAndOversizedShapes) {
    Table csv = make_table("a,b\r\nc");
    const CsvTable before = csv->rows();
    const int max = static_cast<int>(CCSVFile::kMaxReallocCells);
    struct Case {
        int lines, columns;
    };
    const Case refused[] = {{-1, 2}, {2, -1}, {INT_MAX, INT_MAX}, {max + 3, 0}, {max, 2}, {2, max}};
    for (const auto& c : refused) {
        EXPECT_FALSE(csv->realloc(c.lines, c.columns)) << c.lines << "x" << c.columns;
        EXPECT_EQ(csv->rows(), before);
        EXPECT_EQ(csv->count_columns(), 2);
    }
    // After the refusals the table still reshapes.
    EXPECT_TRUE(csv->realloc(4, 3));
    EXPECT_EQ(csv->rows(), (CsvTable{{"a", "b", ""}, {"c", "", ""}, {"", "", ""}, {"", "", ""}}));
}

// The widest row is kept with the table; every way of changing the rows must keep it right.
TEST(CsvFile, ColumnCountFollowsEveryChangeOfShape) {
    Table csv = make_table("a\r\nb,c,d\r\ne,f");
    EXPECT_EQ(csv->count_columns(), 3);
    csv->load_bytes("x,y");
    EXPECT_EQ(csv->count_columns(), 2);
    ASSERT_TRUE(csv->set(0, 1, "1,2,3"));
    EXPECT_EQ(csv->count_columns(), 2);
    ASSERT_TRUE(csv->realloc(1, 4));
    EXPECT_EQ(csv->count_columns(), 4);
    csv->load_bytes("");
    EXPECT_EQ(csv->count_columns(), 0);
}

}  // namespace
