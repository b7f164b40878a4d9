#include <gtest/gtest.h>

#include <filesystem>

#include "dawnsigil/archive/mrl_archive.h"
#include "dawnsigil/archive/sound_archive.h"
#include "fixtures/mrl_writer.h"
#include "support/temp_dir.h"

namespace {

using dawnsigil::archive::MrlArchive;
using dawnsigil::archive::OpenStatus;
using dawnsigil::archive::memory_source;
using namespace dawnsigil_fixtures;

TEST(MrlArchive, ReadsEveryEntryByIndex) {
    const std::vector<Bytes> entries = {bytes_of("first"), bytes_of("second entry"), bytes_of("3")};
    MrlArchive archive;
    ASSERT_EQ(archive.open(memory_source(write_mrl(entries))), OpenStatus::kOk);
    EXPECT_EQ(archive.count(), 3);
    for (int i = 0; i < 3; ++i) {
        Bytes out;
        ASSERT_TRUE(archive.read_entry(i, out)) << i;
        EXPECT_EQ(out, entries[i]);
    }
}

TEST(MrlArchive, RefusesDamagedHeadersAndTables) {
    struct Case {
        const char* name;
        Bytes file;
        OpenStatus expected;
    };
    const Case cases[] = {
        {"empty file", {}, OpenStatus::kShortHeader},
        {"seven bytes", raw_bytes("MRL0\1\0\0"), OpenStatus::kShortHeader},
        {"other magic", raw_bytes("MRL1\1\0\0\0\0\0\0\0\0\0\0\0"), OpenStatus::kBadMagic},
        {"count 0", write_mrl_raw(0, {}, {}), OpenStatus::kNoEntries},
        {"negative count", write_mrl_raw(-5, {}, {}), OpenStatus::kNoEntries},
        // A forged count must be checked against the file before the table is allocated.
        {"count far beyond the file", write_mrl_raw(0x7FFFFFFF, {{16, 1}}, bytes_of("x")), OpenStatus::kShortTable},
        {"table one entry short", write_mrl_raw(2, {{24, 1}}, {}), OpenStatus::kShortTable},
    };
    for (const Case& c : cases) {
        MrlArchive archive;
        EXPECT_EQ(archive.open(memory_source(c.file)), c.expected) << c.name;
        EXPECT_FALSE(archive.is_open()) << c.name;
    }
}

TEST(MrlArchive, RefusesEntriesOutsideTheFileOrTable) {
    // Entry table: 0 good, 1 runs past the end, 2 starts past the end, 3 empty, 4 wraps 32 bits.
    const Bytes data = bytes_of("abcdefgh");
    const uint32_t data_at = 8 + 5 * 8;
    MrlArchive archive;
    ASSERT_EQ(archive.open(memory_source(write_mrl_raw(
                  5, {{data_at, 8}, {data_at + 4, 5}, {data_at + 100, 1}, {data_at, 0}, {data_at, 0xFFFFFFFF}}, data))),
              OpenStatus::kOk);
    Bytes out = bytes_of("untouched");
    EXPECT_TRUE(archive.read_entry(0, out));
    EXPECT_EQ(out, data);
    out = bytes_of("untouched");
    for (int index : {1, 2, 3, 4, 5, -1}) {
        EXPECT_FALSE(archive.read_entry(index, out)) << index;
        EXPECT_EQ(out, bytes_of("untouched")) << index;
    }
}

TEST(MrlArchive, ReopeningClosesTheEarlierFileAndCloseForgetsTheTable) {
    test_support::TempDir dir;
    write_file(dir / "a.mrl", write_mrl({bytes_of("a")}));
    write_file(dir / "b.mrl", write_mrl({bytes_of("b0"), bytes_of("b1")}));
    MrlArchive archive;
    ASSERT_EQ(archive.open((dir / "a.mrl").c_str()), OpenStatus::kOk);
    ASSERT_EQ(archive.open((dir / "b.mrl").c_str()), OpenStatus::kOk);
    Bytes out;
    EXPECT_TRUE(archive.read_entry(1, out));
    EXPECT_EQ(out, bytes_of("b1"));
    archive.close();
    EXPECT_FALSE(archive.is_open());
    EXPECT_FALSE(archive.read_entry(0, out));
    EXPECT_EQ(archive.open((dir / "missing.mrl").c_str()), OpenStatus::kCannotOpen);
    EXPECT_EQ(archive.open(dir.path().c_str()), OpenStatus::kCannotOpen) << "a folder is not an archive";
}

TEST(SoundArchive, ReadsOneEntryAndFailsQuietly) {
    test_support::TempDir dir;
    const std::string path = dir / "DawnsigilWave.mrl";
    EXPECT_FALSE(dawnsigil::archive::read_sound_entry(path.c_str(), 0)) << "no archive";
    write_file(path, write_mrl({bytes_of("zero"), bytes_of("one")}));
    EXPECT_EQ(dawnsigil::archive::read_sound_entry(path.c_str(), 1), bytes_of("one"));
    EXPECT_FALSE(dawnsigil::archive::read_sound_entry(path.c_str(), 2));
    EXPECT_FALSE(dawnsigil::archive::read_sound_entry(path.c_str(), -1));
    write_file(path, bytes_of("RIFF0000"));
    EXPECT_FALSE(dawnsigil::archive::read_sound_entry(path.c_str(), 0)) << "other magic";
}

}  // namespace
