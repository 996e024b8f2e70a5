// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "platform/FolderLock.h"
#include "prefs/KeyPrefs.h"
#include "prefs/Options.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kibbo;

namespace {

std::string Bytes(const std::string& path)
{
    return ReadWholeFile(path).value_or("<none>");
}

// Every name in a folder, to see that a failed save leaves nothing behind.
QStringList Names(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A file size limit for this process while it lives: writes beyond it fail
// with EFBIG, as they would on a full disk or over a quota.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

Ranking Ladder(int top)
{
    Ranking ranking;
    for (int i = 0; i < kRankPlaces; ++i) {
        ranking.rankScore[i] = top - 100 * i;
        ranking.rankName[i] = u"犬" + std::u16string(1, static_cast<char16_t>(u'1' + i));
    }
    return ranking;
}

} // namespace

// A save that cannot write every byte fails, and the old file stays byte for
// byte, with no stray file beside it, for every file the game saves.
TEST(FileSafety, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string ranking = dir.filePath("score.kib").toStdString();
    const std::string prefs = dir.filePath("key.ini").toStdString();
    const std::string last = dir.filePath("score.dat").toStdString();
    ASSERT_EQ(SaveRanking(ranking, Ladder(900)), SaveResult::Saved);
    KeyPrefs standard{};
    ASSERT_TRUE(SaveKeyPrefs(prefs, standard));
    ASSERT_TRUE(SaveLastScore(last, 850));
    const std::string rankingBefore = Bytes(ranking), prefsBefore = Bytes(prefs), lastBefore = Bytes(last);
    const QStringList namesBefore = Names(dir);

    KeyPrefs changed{};
    changed.fill(1);
    for (const rlim_t limit : {rlim_t{0}, rlim_t{3}, rlim_t{8}}) {
        const FileSizeLimit full(limit);
        EXPECT_EQ(SaveRanking(ranking, Ladder(5000)), SaveResult::WriteFailed) << limit;
        EXPECT_EQ(RegisterScore(ranking, 99999, u"new").result, SaveResult::WriteFailed) << limit;
        EXPECT_FALSE(SaveKeyPrefs(prefs, changed)) << limit;
        EXPECT_FALSE(SaveLastScore(last, -1234567)) << limit;
        EXPECT_FALSE(WriteFileAtomically(dir.filePath("new.txt").toStdString(), std::string(100, 'x'))) << limit;
    }
    EXPECT_EQ(Bytes(ranking), rankingBefore);
    EXPECT_EQ(Bytes(prefs), prefsBefore);
    EXPECT_EQ(Bytes(last), lastBefore);
    EXPECT_EQ(Names(dir), namesBefore);
}

// A folder removed or replaced under the game fails the save; nothing is
// created elsewhere.
TEST(FileSafety, SaveIntoAGoneFolderFails)
{
    QTemporaryDir dir;
    const QString gone = dir.filePath("data");
    ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    EXPECT_FALSE(WriteFileAtomically((gone + "/score.dat").toStdString(), "1\r\n"));
    QFile plain(gone);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(WriteFileAtomically((gone + "/score.dat").toStdString(), "1\r\n"));
    EXPECT_EQ(Names(dir), QStringList{"data"});
}

// A save keeps the permissions of the file it replaces and writes exactly
// the new bytes.
TEST(FileSafety, SaveReplacesWholeAndKeepsPermissions)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("key.ini").toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, std::string(5000, 'a')));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "short"));
    EXPECT_EQ(Bytes(path), "short");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// Files far larger than any the game writes are not read: they read as
// damaged (the ranking) or unreadable (spellings, last score), whatever
// their size. The huge file is sparse, so it costs no disk.
TEST(FileSafety, OversizedFilesAreNotRead)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write(" 900 \r\nポチ\r\n") > 0);
        ASSERT_TRUE(file.resize(qint64{300} * 1024 * 1024));
    }
    const std::string path = huge.toStdString();
    EXPECT_EQ(ReadSmallFile(path).state, SmallFile::State::TooLarge);
    const RankingRead ranking = LoadRanking(path);
    EXPECT_EQ(ranking.state, FileState::Damaged);
    EXPECT_EQ(ranking.ranking.rankScore[0], 0);
    KeyPrefs prefs{};
    prefs[0] = 7;
    EXPECT_FALSE(LoadKeyPrefs(path, prefs));
    EXPECT_EQ(prefs[0], 7) << "an unread file changes no slot";
    EXPECT_FALSE(LoadLastScore(path).has_value());

    // The bound itself: a file of exactly the limit is read, one byte more is not.
    const std::string edge = dir.filePath("edge").toStdString();
    ASSERT_TRUE(WriteFileAtomically(edge, std::string(kSmallFileLimit, '7')));
    EXPECT_EQ(ReadSmallFile(edge).state, SmallFile::State::Read);
    EXPECT_EQ(ReadSmallFile(edge).bytes.size(), kSmallFileLimit);
    ASSERT_TRUE(WriteFileAtomically(edge, std::string(kSmallFileLimit + 1, '7')));
    EXPECT_EQ(ReadSmallFile(edge).state, SmallFile::State::TooLarge);
    EXPECT_EQ(ReadSmallFile(dir.filePath("none").toStdString()).state, SmallFile::State::Missing);
    EXPECT_EQ(ReadSmallFile(dir.path().toStdString()).state, SmallFile::State::Unreadable) << "a folder";
}

// The folder lock excludes other holders, and a holder killed while holding
// it releases it: the next program is never blocked by a dead one.
TEST(FileSafety, KilledLockHolderReleasesTheLock)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const FolderLock lock(folder);
        const char held = lock.held() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        for (;;)
            pause();
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    const int probe = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_NE(flock(probe, LOCK_EX | LOCK_NB), 0) << "the child holds the lock";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(flock(probe, LOCK_EX | LOCK_NB), 0) << "released by the kill";
    flock(probe, LOCK_UN);
    close(probe);
    const FolderLock after(folder);
    EXPECT_TRUE(after.held());
    close(ready[0]);
    close(ready[1]);
}

// Many programs registering at once on one ranking: every registration is
// read, inserted and saved in turn, so the file ends with exactly the seven
// best, whatever the order they started in.
TEST(FileSafety, ConcurrentRegistrationsKeepTheSevenBest)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 4; ++round) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("score.kib").toStdString();
        std::vector<int> scores(24);
        std::iota(scores.begin(), scores.end(), 1000);
        std::shuffle(scores.begin(), scores.end(), random);
        std::vector<pid_t> children;
        for (const int score : scores) {
            const pid_t child = fork();
            ASSERT_NE(child, -1);
            if (child == 0) {
                const Registration r = RegisterScore(path, score, u"p" + std::u16string(1, u'a' + score % 26));
                _exit(r.result == SaveResult::Saved ? 0 : 1);
            }
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const RankingRead read = LoadRanking(path);
        ASSERT_EQ(read.state, FileState::Whole);
        for (int i = 0; i < kRankPlaces; ++i)
            EXPECT_EQ(read.ranking.rankScore[i], 1023 - i) << "round " << round << ", place " << i + 1;
    }
}

// A score that does not beat the seventh place leaves the file untouched and
// says where it would have had to be.
TEST(FileSafety, RegistrationBelowTheSeventhChangesNothing)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("score.kib").toStdString();
    ASSERT_EQ(SaveRanking(path, Ladder(900)), SaveResult::Saved);
    const std::string before = Bytes(path);
    const Registration r = RegisterScore(path, 300, u"late");
    EXPECT_EQ(r.result, SaveResult::Saved);
    EXPECT_EQ(r.place, 0);
    EXPECT_EQ(r.ranking.rankScore[kRankPlaces - 1], 300);
    EXPECT_EQ(Bytes(path), before);
    const Registration in = RegisterScore(path, 301, u"just");
    EXPECT_EQ(in.place, 7);
    EXPECT_EQ(LoadRanking(path).ranking.rankName[6], u"just");
}

// A player's file that is there but cannot be read is never replaced by a
// save that would keep part of it: the ranking's registration, the options
// and the history all fail instead, and the file stays as it was.
TEST(FileSafety, UnreadableFilesAreNotReplaced)
{
    QTemporaryDir dir;
    // A link to itself cannot be opened by anyone, root included.
    const std::string loop = dir.filePath("loop").toStdString();
    ASSERT_EQ(::symlink("loop", loop.c_str()), 0);
    EXPECT_EQ(ReadSmallFile(loop).state, SmallFile::State::Unreadable);
    EXPECT_EQ(RegisterScore(loop, 900, u"x").result, SaveResult::WriteFailed);
    EXPECT_FALSE(SaveAnySpelling(loop, true));
    GameRecord game;
    game.time = "2026-12-07T10:00:00";
    EXPECT_FALSE(AppendGame(loop, game));
    EXPECT_TRUE(LoadHistory(loop).unreadable);
    EXPECT_EQ(LoadRanking(loop).state, FileState::Damaged);
    char target[16] = {};
    EXPECT_EQ(::readlink(loop.c_str(), target, sizeof target - 1), 4) << "still the same link";

    // A pipe where a file belongs is no file, and reading it must not wait.
    const std::string pipe = dir.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadSmallFile(pipe).state, SmallFile::State::Unreadable);
    EXPECT_EQ(RegisterScore(pipe, 900, u"x").result, SaveResult::WriteFailed);

    // Without read permission (root reads anyway, so only for others).
    const std::string locked = dir.filePath("score.kib").toStdString();
    ASSERT_EQ(SaveRanking(locked, Ladder(900)), SaveResult::Saved);
    const std::string before = Bytes(locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0200), 0);
    if (ReadSmallFile(locked).state == SmallFile::State::Unreadable) {
        EXPECT_EQ(RegisterScore(locked, 5000, u"x").result, SaveResult::WriteFailed);
        ASSERT_EQ(::chmod(locked.c_str(), 0600), 0);
        EXPECT_EQ(Bytes(locked), before);
    }
}
