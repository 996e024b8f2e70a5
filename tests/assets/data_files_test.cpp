// SPDX-License-Identifier: GPL-3.0-or-later
// The first data files: what a fresh installation starts with, and that a
// player's own files survive every later build.
#include "DataFiles.h"

#include "platform/PrintForm.h"
#include "prefs/KeyPrefs.h"

#include "platform/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void WriteAll(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class FreshFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("kibbo-assets-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

} // namespace

// A fresh key.ini holds 43 standard spellings, " 0 " per line.
TEST_F(FreshFolder, FirstKeyPrefsAreAllStandard)
{
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    std::string expected;
    for (int i = 0; i < 43; ++i)
        expected += " 0 \r\n";
    EXPECT_EQ(kibbo::ReadWholeFile((m_dir / "data" / "key.ini").string()).value_or(""), expected);
}

// The first ranking: 14 lines, seven scores from best to worst, each place named.
TEST_F(FreshFolder, FirstRankingHasSevenDescendingPlaces)
{
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    const std::string bytes = kibbo::ReadWholeFile((m_dir / "data" / "score.kib").string()).value_or("");
    const kibbo::Loaded<kibbo::Ranking> read = kibbo::ParseRanking(bytes);
    ASSERT_EQ(read.state, kibbo::ReadState::Loaded);
    long previous = 1L << 40;
    for (int place = 1; place <= 7; ++place) {
        const long score = read.value.rankScore[place - 1];
        EXPECT_LT(score, previous) << "place " << place;
        EXPECT_GT(score, 0) << "place " << place;
        EXPECT_FALSE(read.value.rankName[place - 1].empty()) << "place " << place;
        previous = score;
    }
    int lines = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        lines += bytes[i] == '\r' && bytes[i + 1] == '\n';
    EXPECT_EQ(lines, 14);
}

// Japanese names are stored in Shift-JIS: ポチ is 83 7C 83 60.
TEST_F(FreshFolder, JapaneseNamesAreShiftJis)
{
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    EXPECT_NE(kibbo::ReadWholeFile((m_dir / "data" / "score.kib").string()).value_or("").find("\x83\x7c\x83\x60"), std::string::npos);
}

// A second run leaves the player's changed settings and ranking alone.
TEST_F(FreshFolder, ExistingDataFilesAreNeverOverwritten)
{
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    kibbo::KeyPrefs prefs{};
    prefs[0] = 1;
    const std::string mine = kibbo::FormatKeyPrefs(prefs);
    const std::string myRanking = kibbo::PrintNumberLine(99999) + "me\r\n";
    WriteAll(m_dir / "data" / "key.ini", mine);
    WriteAll(m_dir / "data" / "score.kib", myRanking);
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    EXPECT_EQ(kibbo::ReadWholeFile((m_dir / "data" / "key.ini").string()).value_or(""), mine);
    EXPECT_EQ(kibbo::ReadWholeFile((m_dir / "data" / "score.kib").string()).value_or(""), myRanking);
}

// A missing file is put back without touching the one that is there.
TEST_F(FreshFolder, OnlyTheMissingFileIsWritten)
{
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    const std::string myRanking = kibbo::PrintNumberLine(5) + "me\r\n";
    WriteAll(m_dir / "data" / "score.kib", myRanking);
    fs::remove(m_dir / "data" / "key.ini");
    ASSERT_TRUE(artgen::WriteFirstDataFiles(m_dir.string()));
    EXPECT_EQ(kibbo::ReadWholeFile((m_dir / "data" / "key.ini").string()).value_or(""), kibbo::FormatKeyPrefs(kibbo::KeyPrefs{}));
    EXPECT_EQ(kibbo::ReadWholeFile((m_dir / "data" / "score.kib").string()).value_or(""), myRanking);
}
