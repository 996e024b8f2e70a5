// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlayerFiles.h"
#include "store/DataKeeper.h"
#include "store/FileStore.h"
#include "support/StoreAt.h"
#include "ui/HistoryWriter.h"
#include "ui/DiskQueue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vector>

using namespace kibbo;

// Games handed over are written in the order they ended, each stamped with
// the local time, and all of them are on disk once the queue is drained.
TEST(HistoryWriter, WritesEveryGameInOrderWithItsTime)
{
    QTemporaryDir dir;
    const PlayerFiles files = PlayerFiles::In(dir.path().toStdString());
    {
        DiskQueue saves;
        FileStore store(files, saves);
        DataKeeper keeper(store);
        HistoryWriter writer(keeper);
        for (int i = 0; i < 5; ++i) {
            GameRecord game;
            game.ending = i == 4 ? Ending::Cleared : Ending::Left;
            game.score = i == 4 ? std::optional<std::int32_t>(4321) : std::nullopt;
            game.dogs = i;
            game.missed = {{'a', i + 1}};
            writer.append(game);
        }
        saves.drain();
    }
    const Loaded<std::vector<GameRecord>> read = test::StoreAt(files)->readHistory();
    ASSERT_EQ(read.value.size(), 5u);
    EXPECT_EQ(read.skippedLines, 0);
    const QRegularExpression isoTime(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(read.value[i].dogs, i);
        EXPECT_TRUE(isoTime.match(QString::fromStdString(read.value[i].time)).hasMatch()) << read.value[i].time;
    }
    EXPECT_EQ(read.value[4].score, 4321);
}

// A history that cannot be written costs the game nothing: the writer
// reports it and goes on.
TEST(HistoryWriter, UnwritableFolderIsNoFailure)
{
    QTemporaryDir dir;
    DiskQueue saves;
    FileStore store(PlayerFiles::In(dir.filePath("gone").toStdString()), saves);
    DataKeeper keeper(store);
    HistoryWriter writer(keeper);
    writer.append(GameRecord{});
    saves.drain();
    EXPECT_FALSE(QFile::exists(dir.filePath("gone")));
}

// The queue writes beside the caller in the order handed over and delivers
// every result back on the caller's thread, only from its event loop (or a
// drain), never within the call that handed the save over.
TEST(DiskQueue, DeliversInOrderOnTheCallersThread)
{
    DiskQueue saves;
    std::vector<int> written, delivered;
    std::vector<bool> besideTheCaller, onTheCaller;
    const Qt::HANDLE caller = QThread::currentThreadId();
    for (int i = 0; i < 20; ++i) {
        saves.run(
            [&, i] {
                written.push_back(i);
                besideTheCaller.push_back(QThread::currentThreadId() != caller);
            },
            [&, i] {
                delivered.push_back(i);
                onTheCaller.push_back(QThread::currentThreadId() == caller);
                // A result may hand over another save, which drain waits for too.
                if (i == 19)
                    saves.run([&] { written.push_back(20); }, [&] { delivered.push_back(20); });
            });
    }
    EXPECT_TRUE(delivered.empty());
    saves.drain();
    EXPECT_TRUE(saves.idle());
    std::vector<int> all(21);
    for (int i = 0; i <= 20; ++i)
        all[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(written, all);
    EXPECT_EQ(delivered, all);
    EXPECT_EQ(besideTheCaller, std::vector<bool>(20, true));
    EXPECT_EQ(onTheCaller, std::vector<bool>(20, true));
}
