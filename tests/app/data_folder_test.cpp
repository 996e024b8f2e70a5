// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"
#include "platform/FileIO.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <string>

using namespace kibbo;

namespace {

bool Always(const std::string&) { return true; }
bool Never(const std::string&) { return false; }

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

// A program folder with its default key.ini and score.kib in data/, and an
// empty home standing for ~/.local/share.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(root.filePath("program/data")));
        ASSERT_TRUE(QDir().mkpath(root.filePath("home")));
        ASSERT_TRUE(WriteFileAtomically(defaults() + "/key.ini", "0\r\n1\r\n"));
        ASSERT_TRUE(WriteFileAtomically(defaults() + "/score.kib", "500\r\nポチ\r\n"));
    }

    std::string program() const { return root.filePath("program").toStdString(); }
    std::string defaults() const { return program() + "/data"; }
    std::string home() const { return root.filePath("home").toStdString(); }
    std::string playerFolder() const { return home() + "/kibbo/data"; }

    QTemporaryDir root;
};

} // namespace

// A program whose data/ the player may write keeps its data beside it and
// leaves the player's home alone.
TEST_F(DataFolderTest, WritableProgramFolderKeepsDataBesideIt)
{
    EXPECT_EQ(ChooseDataFolder(program(), home(), Always), defaults());
    EXPECT_FALSE(Exists(home() + "/kibbo"));
}

// An installed program's defaults are copied into the player's own folder,
// which then holds the data.
TEST_F(DataFolderTest, ReadOnlyProgramFolderSeedsThePlayersFolder)
{
    EXPECT_EQ(ChooseDataFolder(program(), home(), Never), playerFolder());
    for (const char* name : {"/key.ini", "/score.kib"})
        EXPECT_EQ(ReadWholeFile(playerFolder() + name), ReadWholeFile(defaults() + name)) << name;
    EXPECT_FALSE(Exists(playerFolder() + "/score.dat"));
}

// A player's own files survive every later start; only missing ones are
// filled in from the defaults.
TEST_F(DataFolderTest, PlayersOwnFilesAreNeverReplaced)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(playerFolder())));
    const std::string mine = "1\r\n1\r\n";
    ASSERT_TRUE(WriteFileAtomically(playerFolder() + "/key.ini", mine));

    EXPECT_EQ(ChooseDataFolder(program(), home(), Never), playerFolder());
    EXPECT_EQ(ReadWholeFile(playerFolder() + "/key.ini"), mine);
    EXPECT_EQ(ReadWholeFile(playerFolder() + "/score.kib"), ReadWholeFile(defaults() + "/score.kib"));

    // A second start changes nothing either.
    ASSERT_TRUE(WriteFileAtomically(playerFolder() + "/score.kib", mine));
    ChooseDataFolder(program(), home(), Never);
    EXPECT_EQ(ReadWholeFile(playerFolder() + "/score.kib"), mine);
}

// When the player's folder cannot be made (here its home lies under a regular
// file) the game falls back to reading the defaults.
TEST_F(DataFolderTest, UnmakeablePlayerFolderFallsBackToDefaults)
{
    const std::string blocked = root.filePath("file").toStdString();
    ASSERT_TRUE(WriteFileAtomically(blocked, "not a folder"));
    EXPECT_EQ(ChooseDataFolder(program(), blocked + "/home", Never), defaults());
}

// Without an injected test, a program folder that cannot be written (one
// under a regular file) sends the data to $XDG_DATA_HOME/kibbo/data.
TEST_F(DataFolderTest, UnwritableProgramFolderUsesXdgDataHome)
{
    const std::string blocked = root.filePath("file").toStdString();
    ASSERT_TRUE(WriteFileAtomically(blocked, "not a folder"));
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home()));

    const std::string chosen = ChooseDataFolder(blocked + "/program");
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(chosen, playerFolder());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(chosen)).isDir());

    // The build folder, which the player can write, keeps data beside it.
    EXPECT_EQ(ChooseDataFolder(program()), defaults());
}

// An installed program (programs in PREFIX/games, data in
// PREFIX/share/games/kibbo) keeps the player's files in the player's folder
// even when its data folder is writable, as it is for root.
TEST(InstalledDataFolder, WritableSystemDataIsNotThePlayers)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("games")));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/games/kibbo/ani")));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/games/kibbo/data")));
    ASSERT_TRUE(WriteFileAtomically(prefix.filePath("share/games/kibbo/data/key.ini").toStdString(), " 1 \r\n"));
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", prefix.filePath("home").toUtf8());
    const std::string chosen = ChooseDataFolder(prefix.filePath("games").toStdString());
    if (oldHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldHome);
    EXPECT_EQ(chosen, prefix.filePath("home/kibbo/data").toStdString());
    EXPECT_EQ(ReadWholeFile(chosen + "/key.ini"), " 1 \r\n") << "seeded from the installed defaults";
}

// A folder named on the command line is made, given the defaults it lacks
// (never replacing the player's own), and returned whole; one that cannot
// be made is refused rather than replaced by another.
TEST_F(DataFolderTest, NamedFolderIsMadeAndSeededOrRefused)
{
    const std::string named = root.filePath("records/mine").toStdString();
    EXPECT_EQ(ProvideNamedDataFolder(program(), named), named);
    EXPECT_EQ(ReadWholeFile(named + "/key.ini"), ReadWholeFile(defaults() + "/key.ini"));

    const std::string mine = "1\r\n1\r\n";
    ASSERT_TRUE(WriteFileAtomically(named + "/score.kib", mine));
    EXPECT_EQ(ProvideNamedDataFolder(program(), named), named);
    EXPECT_EQ(ReadWholeFile(named + "/score.kib"), mine);

    const std::string blocked = root.filePath("file").toStdString();
    ASSERT_TRUE(WriteFileAtomically(blocked, "not a folder"));
    EXPECT_EQ(ProvideNamedDataFolder(program(), blocked + "/data"), "");
    EXPECT_EQ(ProvideNamedDataFolder(program(), ""), "");
}
