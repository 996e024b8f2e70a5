// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "platform/FolderLock.h"
#include "prefs/KeyPrefs.h"
#include "prefs/Options.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"
#include "store/FileProblems.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
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

void WriteRanking(const std::string& path, const Ranking& ranking)
{
    ASSERT_TRUE(WriteFileAtomically(path, FormatRanking(ranking).value()));
}

} // namespace

// A save that cannot write every byte fails, and the old file stays byte for
// byte, with no stray file beside it, for every file the game saves.
TEST(FileSafety, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const PlayerFiles& files = store->files();
    WriteRanking(files.ranking, Ladder(900));
    KeyPrefs standard{};
    ASSERT_TRUE(store->writeKeyPrefs(standard).saved());
    ASSERT_TRUE(store->writeLastScore(850).saved());
    ASSERT_TRUE(store->writeOptions(test::SetAnySpelling(true)).saved());
    GameRecord game;
    game.time = "2026-12-07T10:00:00";
    ASSERT_TRUE(store->writeGame(game).saved());
    const std::vector<std::string> paths = {files.ranking, files.keyPrefs, files.lastScore, files.options,
                                            files.history};
    std::vector<std::string> before;
    for (const std::string& path : paths)
        before.push_back(Bytes(path));
    const QStringList namesBefore = Names(dir);

    KeyPrefs changed{};
    changed.fill(1);
    for (const rlim_t limit : {rlim_t{0}, rlim_t{3}, rlim_t{8}}) {
        const FileSizeLimit full(limit);
        EXPECT_EQ(store->writeRegistration(99999, u"new").outcome.result, SaveResult::WriteFailed) << limit;
        EXPECT_EQ(store->writeKeyPrefs(changed).result, SaveResult::WriteFailed) << limit;
        EXPECT_EQ(store->writeLastScore(-1234567).result, SaveResult::WriteFailed) << limit;
        EXPECT_EQ(store->writeOptions(test::SetAnySpelling(false)).result, SaveResult::WriteFailed) << limit;
        EXPECT_EQ(store->writeGame(game).result, SaveResult::WriteFailed) << limit;
        EXPECT_FALSE(WriteFileAtomically(dir.filePath("new.txt").toStdString(), std::string(100, 'x'))) << limit;
    }
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(Bytes(paths[i]), before[i]) << paths[i];
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
    EXPECT_EQ(ReadSmallFile(path).state, ReadState::TooLarge);
    test::StoreAt store(test::StoreAt::AllAt(path));
    const Loaded<Ranking> ranking = store->readRanking();
    EXPECT_EQ(ranking.state, ReadState::TooLarge);
    EXPECT_EQ(ranking.value.rankScore[0], 0);
    KeyPrefs prefs{};
    prefs[0] = 7;
    const Loaded<KeyPrefs> read = store->readKeyPrefs(prefs);
    EXPECT_EQ(read.state, ReadState::TooLarge);
    EXPECT_EQ(read.value[0], 7) << "an unread file changes no slot";
    EXPECT_EQ(store->readLastScore().state, ReadState::TooLarge);
    EXPECT_EQ(store->readOptions().state, ReadState::TooLarge);

    // The bound itself: a file of exactly the limit is read, one byte more is
    // not; the same through the store, for every small file it reads.
    const std::string edge = dir.filePath("edge").toStdString();
    // A number the spellings and the last score take, padded with line ends.
    const std::string padded = " 7 \r\n" + std::string(kSmallFileLimit - 5, '\n');
    ASSERT_TRUE(WriteFileAtomically(edge, padded));
    EXPECT_EQ(ReadSmallFile(edge).state, ReadState::Loaded);
    EXPECT_EQ(ReadSmallFile(edge).value.size(), kSmallFileLimit);
    {
        test::StoreAt atEdge(test::StoreAt::AllAt(edge));
        EXPECT_EQ(atEdge->readKeyPrefs(KeyPrefs{}).state, ReadState::Loaded);
        EXPECT_EQ(atEdge->readKeyPrefs(KeyPrefs{}).value[0], 7);
        EXPECT_EQ(atEdge->readOptions().state, ReadState::Loaded);
        EXPECT_EQ(atEdge->readLastScore().state, ReadState::Loaded);
        EXPECT_EQ(atEdge->readLastScore().value, 7);
        EXPECT_EQ(atEdge->readRanking().value.rankScore[0], 7) << "read, though damaged after its first place";
    }
    ASSERT_TRUE(WriteFileAtomically(edge, padded + "\n"));
    EXPECT_EQ(ReadSmallFile(edge).state, ReadState::TooLarge);
    {
        test::StoreAt overEdge(test::StoreAt::AllAt(edge));
        EXPECT_EQ(overEdge->readKeyPrefs(KeyPrefs{}).state, ReadState::TooLarge);
        EXPECT_EQ(overEdge->readKeyPrefs(KeyPrefs{}).value[0], 0);
        EXPECT_EQ(overEdge->readOptions().state, ReadState::TooLarge);
        EXPECT_EQ(overEdge->readLastScore().state, ReadState::TooLarge);
        EXPECT_EQ(overEdge->readRanking().value.rankScore[0], 0);
    }
    EXPECT_EQ(ReadSmallFile(dir.filePath("none").toStdString()).state, ReadState::Missing);
    EXPECT_EQ(ReadSmallFile(dir.path().toStdString()).state, ReadState::Unreadable) << "a folder";
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
        const std::string folder = dir.path().toStdString();
        std::vector<int> scores(24);
        std::iota(scores.begin(), scores.end(), 1000);
        std::shuffle(scores.begin(), scores.end(), random);
        std::vector<pid_t> children;
        for (const int score : scores) {
            const pid_t child = fork();
            ASSERT_NE(child, -1);
            if (child == 0) {
                const Registration r =
                    test::StoreAt(folder)->writeRegistration(score, u"p" + std::u16string(1, u'a' + score % 26));
                _exit(r.outcome.saved() ? 0 : 1);
            }
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const Loaded<Ranking> read = test::StoreAt(folder)->readRanking();
        ASSERT_EQ(read.state, ReadState::Loaded);
        for (int i = 0; i < kRankPlaces; ++i)
            EXPECT_EQ(read.value.rankScore[i], 1023 - i) << "round " << round << ", place " << i + 1;
    }
}

// A score that does not beat the seventh place leaves the file untouched and
// says where it would have had to be.
TEST(FileSafety, RegistrationBelowTheSeventhChangesNothing)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().ranking;
    WriteRanking(path, Ladder(900));
    const std::string before = Bytes(path);
    const Registration r = store->writeRegistration(300, u"late");
    EXPECT_EQ(r.outcome.result, SaveResult::Saved);
    EXPECT_EQ(r.place, 0);
    EXPECT_EQ(r.ranking.rankScore[kRankPlaces - 1], 300);
    EXPECT_EQ(Bytes(path), before);
    const Registration in = store->writeRegistration(301, u"just");
    EXPECT_EQ(in.place, 7);
    EXPECT_EQ(store->readRanking().value.rankName[6], u"just");
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
    EXPECT_EQ(ReadSmallFile(loop).state, ReadState::Unreadable);
    test::StoreAt looped(test::StoreAt::AllAt(loop));
    const Registration registration = looped->writeRegistration(900, u"x");
    EXPECT_EQ(registration.outcome.result, SaveResult::NotReplaced);
    // Said as what it is, with the system's reason.
    EXPECT_EQ(CannotWrite(registration.outcome, Unsaved::RankingEntry),
              "cannot read " + loop + " (Too many levels of symbolic links); the score is not entered in the ranking");
    EXPECT_EQ(RankingReadProblem(loop, ReadState::Unreadable, ELOOP),
              "cannot read " + loop + " (Too many levels of symbolic links); its places show as 0");
    EXPECT_EQ(looped->writeOptions(test::SetAnySpelling(true)).result, SaveResult::NotReplaced);
    GameRecord game;
    game.time = "2026-12-07T10:00:00";
    EXPECT_EQ(looped->writeGame(game).result, SaveResult::NotReplaced);
    EXPECT_EQ(looped->readHistory().state, ReadState::Unreadable);
    EXPECT_EQ(looped->readRanking().state, ReadState::Unreadable);
    EXPECT_EQ(looped->readKeyPrefs(KeyPrefs{}).state, ReadState::Unreadable);
    EXPECT_EQ(looped->readOptions().state, ReadState::Unreadable);
    EXPECT_EQ(looped->readLastScore().state, ReadState::Unreadable);
    char target[16] = {};
    EXPECT_EQ(::readlink(loop.c_str(), target, sizeof target - 1), 4) << "still the same link";

    // A pipe where a file belongs is no file, and reading it must not wait.
    const std::string pipe = dir.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadSmallFile(pipe).state, ReadState::Unreadable);
    EXPECT_EQ(test::StoreAt(test::StoreAt::AllAt(pipe))->writeRegistration(900, u"x").outcome.result,
              SaveResult::NotReplaced);

    // Without read permission (root reads anyway, so only for others).
    const std::string locked = dir.filePath("score.kib").toStdString();
    WriteRanking(locked, Ladder(900));
    const std::string before = Bytes(locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0200), 0);
    if (ReadSmallFile(locked).state == ReadState::Unreadable) {
        EXPECT_EQ(test::StoreAt(dir.path().toStdString())->writeRegistration(5000, u"x").outcome.result,
                  SaveResult::NotReplaced);
        ASSERT_EQ(::chmod(locked.c_str(), 0600), 0);
        EXPECT_EQ(Bytes(locked), before);
    }
}
