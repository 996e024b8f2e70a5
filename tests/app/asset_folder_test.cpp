// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AssetFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>

using kibbo::AssetFolder;

namespace {

// A scratch prefix in which each test lays out what it needs.
class AssetFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    std::string path(const char* relative) const { return root.filePath(relative).toStdString(); }
    void make(const char* relative) { ASSERT_TRUE(QDir().mkpath(root.filePath(relative))); }

    QTemporaryDir root;
};

} // namespace

// The build folder: the program with its pictures beside it.
TEST_F(AssetFolderTest, FoldersBesideTheProgramWin)
{
    make("dist/ani");
    make("share/games/kibbo/ani");
    EXPECT_EQ(AssetFolder(path("dist")), path("dist"));
}

// Installed under any prefix: PREFIX/games finds PREFIX/share/games/kibbo.
TEST_F(AssetFolderTest, InstalledProgramFindsSharedData)
{
    make("games");
    make("share/games/kibbo/ani");
    EXPECT_EQ(AssetFolder(path("games")), path("share/games/kibbo"));
}

// Nothing anywhere: the program's own folder, where the game reports what
// is missing.
TEST_F(AssetFolderTest, NothingFoundKeepsTheProgramFolder)
{
    make("bin");
    EXPECT_EQ(AssetFolder(path("bin")), path("bin"));
    EXPECT_EQ(AssetFolder(path("no/such/folder")), path("no/such/folder"));
}
