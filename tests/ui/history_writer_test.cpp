// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlayerFiles.h"
#include "ui/HistoryWriter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace kibbo;

// Games handed over are written in the order they ended, each stamped with
// the local time, and all of them are on disk once the writer is waited for.
TEST(HistoryWriter, WritesEveryGameInOrderWithItsTime)
{
    QTemporaryDir dir;
    const PlayerFiles files = PlayerFiles::In(dir.path().toStdString());
    {
        HistoryWriter writer(files.history);
        for (int i = 0; i < 5; ++i) {
            GameRecord game;
            game.ending = i == 4 ? Ending::Cleared : Ending::Left;
            game.score = i == 4 ? std::optional<std::int32_t>(4321) : std::nullopt;
            game.dogs = i;
            game.missed = {{'a', i + 1}};
            writer.append(game);
        }
    } // the last games are waited for on the way out
    const HistoryRead read = LoadHistory(files.history);
    ASSERT_EQ(read.games.size(), 5u);
    EXPECT_EQ(read.skippedLines, 0);
    const QRegularExpression isoTime(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(read.games[i].dogs, i);
        EXPECT_TRUE(isoTime.match(QString::fromStdString(read.games[i].time)).hasMatch()) << read.games[i].time;
    }
    EXPECT_EQ(read.games[4].score, 4321);
}

// A history that cannot be written costs the game nothing: the writer
// reports it and goes on.
TEST(HistoryWriter, UnwritableFolderIsNoFailure)
{
    QTemporaryDir dir;
    HistoryWriter writer(PlayerFiles::In(dir.filePath("gone").toStdString()).history);
    writer.append(GameRecord{});
    writer.waitForWrites();
    EXPECT_FALSE(QFile::exists(dir.filePath("gone")));
}
