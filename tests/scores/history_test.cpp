// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "scores/History.h"
#include "scores/KeyStats.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace kibbo;

namespace {

GameRecord Cleared()
{
    GameRecord game;
    game.time = "2026-12-07T17:05:31";
    game.ending = Ending::Cleared;
    game.score = 12345;
    game.speed = 182;
    game.dogs = 94;
    game.mistypes = 17;
    game.seconds = 312;
    game.anySpelling = true;
    game.missed = {{',', 2}, {'-', 3}, {'.', 1}, {'a', 11}};
    return game;
}

// A game told apart from the others by its seconds played.
GameRecord Numbered(int n)
{
    GameRecord game;
    game.time = "2026-01-02T03:04:05";
    game.ending = Ending::Left;
    game.seconds = n;
    game.missed = {{'k', 1 + n % 7}};
    return game;
}

std::vector<std::int32_t> SecondsOf(const std::vector<GameRecord>& games)
{
    std::vector<std::int32_t> seconds;
    for (const GameRecord& game : games)
        seconds.push_back(game.seconds);
    return seconds;
}

using HistoryRead = Loaded<std::vector<GameRecord>>;

class HistoryFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string path() const { return m_dir.filePath("history.csv").toStdString(); }
    std::string bytes() const { return ReadWholeFile(path()).value_or(""); }
    void write(const std::string& bytes) const { ASSERT_TRUE(WriteFileAtomically(path(), bytes)); }
    // Each through a store of its own, as separate programs would.
    bool append(const GameRecord& game) const { return test::StoreAt(m_dir.path().toStdString())->writeGame(game).saved(); }
    HistoryRead load() const { return test::StoreAt(m_dir.path().toStdString())->readHistory(); }

private:
    QTemporaryDir m_dir;
};

} // namespace

// The file is a spreadsheet's CSV: a header, CRLF line ends, and the missed
// keys quoted only when the ',' key makes them hold a comma.
TEST_F(HistoryFile, WritesTheDocumentedLines)
{
    GameRecord over = Numbered(360);
    over.ending = Ending::Over;
    over.speed = 151;
    over.dogs = 60;
    over.mistypes = 9;
    over.missed = {{'k', 4}, {'n', 5}};
    over.typed = {{',', {3, 410}}, {'k', {20, 230}}, {'n', {0, std::nullopt}}, {'o', {1, std::nullopt}}};
    over.mode = Mode::Practice;
    GameRecord kana = Numbered(7);
    kana.anySpelling = false;
    kana.missed = {{u'か', 2}, {u'゛', 1}};
    kana.typed = {{u'か', {5, 300}}, {u'゛', {4, 120}}, {u'ぁ', {1, std::nullopt}}};
    kana.mode = Mode::KanaPractice;
    kana.guideHidden = true;
    ASSERT_TRUE(append(Cleared()));
    ASSERT_TRUE(append(over));
    ASSERT_TRUE(append(kana));
    EXPECT_EQ(bytes(), "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed,typed,mode,guide\r\n"
                       "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,\",:2 -:3 .:1 a:11\",,normal,shown\r\n"
                       "2026-01-02T03:04:05,over,,151,60,9,360,0,k:4 n:5,\",:3:410 k:20:230 n:0 o:1\",practice,shown\r\n"
                       "2026-01-02T03:04:05,left,,0,0,0,7,0,か:2 ゛:1,ぁ:1 か:5:300 ゛:4:120,kana-practice,hidden\r\n");
}

// Every field, each ending and the punctuation keys come back as written.
TEST_F(HistoryFile, RoundTripsEveryField)
{
    GameRecord negative = Cleared();
    negative.score = -2147483647 - 1;
    negative.anySpelling = false;
    GameRecord left = Numbered(1);
    left.missed.clear();
    GameRecord everyKey = Numbered(2);
    everyKey.ending = Ending::Over;
    everyKey.time = "1999-12-31T23:59:59";
    for (char key : std::string("abcdefghijklmnopqrstuvwxyz-,."))
        everyKey.missed[key] = key;
    everyKey.mode = Mode::Practice;
    for (char key : std::string("abcdefghijklmnopqrstuvwxyz-,."))
        everyKey.typed[key] = {key, key % 2 ? std::optional<std::int32_t>(key * 3) : std::nullopt};
    GameRecord everyKana = Numbered(3);
    everyKana.mode = Mode::Kana;
    for (const kibbo::KanaKey& key : kibbo::KanaLayout()) {
        for (const char16_t kana : {key.kana, key.shifted}) {
            if (kana)
                everyKana.typed[kana] = {7, 100};
        }
    }
    everyKana.missed[u'ー'] = 3;
    const std::vector<GameRecord> games = {Cleared(), negative, left, everyKey, everyKana};
    for (const GameRecord& game : games) {
        EXPECT_EQ(ParseGameLine(FormatGameLine(game)), game) << FormatGameLine(game);
        ASSERT_TRUE(append(game));
    }
    const HistoryRead read = load();
    EXPECT_EQ(read.value, games);
    EXPECT_EQ(read.skippedLines, 0);
    EXPECT_EQ(read.state, ReadState::Loaded);
}

// A spreadsheet may quote any field and write a BOM and bare line feeds.
TEST(HistoryLines, ReadsWhatASpreadsheetSavesBack)
{
    const HistoryRead read = ParseHistory("\xEF\xBB\xBFtime,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\n"
                                          "\"2026-12-07T17:05:31\",\"cleared\",\"12345\",182,94,17,312,1,\",:2 -:3 .:1 a:11\"\n");
    EXPECT_EQ(read.skippedLines, 0);
    ASSERT_EQ(read.value.size(), 1u);
    EXPECT_EQ(read.value[0], Cleared());
}

// Anything that is not a whole record is no game.
TEST(HistoryLines, RefusesDamagedLines)
{
    const std::string good = FormatGameLine(Cleared());
    ASSERT_TRUE(ParseGameLine(good));
    const std::vector<std::string> damaged = {
        "",
        "garbage",
        good + ",",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1",
        "2026-12-07 17:05:31,cleared,12345,182,94,17,312,1,",
        "2026-13-07T17:05:31,cleared,12345,182,94,17,312,1,",
        "2026-12-07T17:05:3x,cleared,12345,182,94,17,312,1,",
        "2026-12-07T17:05:31,won,12345,182,94,17,312,1,",
        "2026-12-07T17:05:31,cleared,,182,94,17,312,1,",
        "2026-12-07T17:05:31,over,12345,182,94,17,312,1,",
        "2026-12-07T17:05:31,cleared,2147483648,182,94,17,312,1,",
        "2026-12-07T17:05:31,cleared,12345,-1,94,17,312,1,",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,+312,1,",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,2,",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,A:1",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:0",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1 a:2",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1 ",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1  b:2",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a1",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,,:2",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,\",:2",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,\",:2\"x",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150,",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150,ranked",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:0:150,normal",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:-1,normal",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:,normal",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:1:2,normal",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3 a:4,normal",
        // Katakana, and a kana cut short, are no key.
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,0,カ:1,,kana",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,0,\xE3\x81:1,,kana",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,0,か:1,,hiragana",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150,normal,",
        "2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150,normal,off",
    };
    // A line from before the guide column reads as a game with it shown.
    const std::optional<GameRecord> old = ParseGameLine("2026-12-07T17:05:31,cleared,12345,182,94,17,312,1,a:1,a:3:150,kana");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->mode, Mode::Kana);
    EXPECT_FALSE(old->guideHidden);
    for (const std::string& line : damaged)
        EXPECT_FALSE(ParseGameLine(line)) << line;
}

// A damaged line costs only itself, is counted once, and the next game's
// save leaves it out.
TEST_F(HistoryFile, SkipsAndCountsDamagedLines)
{
    write("time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\r\n" + FormatGameLine(Numbered(1))
          + "\r\nthis is no game\r\n" + std::string("\xff\xfe\x00\x01\r\n", 6) + FormatGameLine(Numbered(2)) + "\r\n\r\n"
          + FormatGameLine(Numbered(3)).substr(0, 20));
    HistoryRead read = load();
    EXPECT_EQ(SecondsOf(read.value), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(read.skippedLines, 3);
    const HistoryRead recent = ParseRecentHistory(bytes());
    EXPECT_EQ(recent.value, read.value);
    EXPECT_EQ(recent.skippedLines, 3);

    ASSERT_TRUE(append(Numbered(4)));
    read = load();
    EXPECT_EQ(SecondsOf(read.value), (std::vector<std::int32_t>{1, 2, 4}));
    EXPECT_EQ(read.skippedLines, 0);
}

// Random bytes are read as skipped lines, never as games and never fatally.
TEST(HistoryLines, GarbledBytesAreSkipped)
{
    std::mt19937 random(15);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(round * 37), '\0');
        for (char& c : bytes)
            c = static_cast<char>(byte(random));
        const HistoryRead read = ParseHistory(bytes);
        EXPECT_TRUE(read.value.empty());
        EXPECT_LE(read.skippedLines, std::count(bytes.begin(), bytes.end(), '\n') + 1);
    }
}

// A file beyond the limit is no file the game wrote: it reads as nothing,
// the next game starts a fresh file, and the large one is kept aside.
TEST_F(HistoryFile, AHugeFileIsSetAsideWhole)
{
    const std::string huge(kHistoryFileLimit + 1, 'x');
    write(huge);
    const HistoryRead read = load();
    EXPECT_EQ(read.state, ReadState::TooLarge);
    EXPECT_TRUE(read.value.empty());

    ASSERT_TRUE(append(Numbered(7)));
    EXPECT_EQ(SecondsOf(load().value), (std::vector<std::int32_t>{7}));
    EXPECT_EQ(ReadWholeFile(path() + ".damaged"), huge);
}

// A record that would not read back is refused and the file left alone.
TEST_F(HistoryFile, RefusesARecordItCouldNotReadBack)
{
    ASSERT_TRUE(append(Numbered(1)));
    const std::string before = bytes();
    GameRecord badTime = Numbered(2);
    badTime.time = "yesterday";
    GameRecord badKey = Numbered(3);
    badKey.missed = {{'\n', 1}};
    GameRecord overWithScore = Numbered(4);
    overWithScore.score = 5;
    for (const GameRecord& game : {badTime, badKey, overWithScore})
        EXPECT_FALSE(append(game));
    EXPECT_EQ(bytes(), before);
}

// The 1,001st game pushes out the first; the rest stay in order.
TEST_F(HistoryFile, KeepsTheLatestThousandGames)
{
    // The first 998 as the game would have left them, written at once to
    // spare a thousand flushes to the disk.
    std::string first = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\r\n";
    for (int n = 1; n <= 998; ++n)
        first += FormatGameLine(Numbered(n)) + "\r\n";
    write(first);
    ASSERT_EQ(load().value.size(), 998u);
    for (int n = 999; n <= 1001; ++n)
        ASSERT_TRUE(append(Numbered(n)));
    const HistoryRead read = load();
    ASSERT_EQ(read.value.size(), kHistoryGames);
    EXPECT_EQ(read.value.front().seconds, 2);
    EXPECT_EQ(read.value.back().seconds, 1001);
    EXPECT_TRUE(std::is_sorted(read.value.begin(), read.value.end(),
                               [](const GameRecord& a, const GameRecord& b) { return a.seconds < b.seconds; }));
    // Read from its end, the latest fifty are the same games.
    EXPECT_EQ(ParseRecentHistory(bytes()).value, RecentGames(read.value, Input::Romaji));
    EXPECT_EQ(test::StoreAt(PlayerFiles::In(FolderOf(path())))->readRecentGames().value,
              RecentGames(read.value, Input::Romaji));
}

// Only the last 50 games of the input count; the most missed come first,
// equal counts in the order of their characters. Games typed in kana, kept
// in the same file, count for kana alone, and a read from the file's end
// keeps the last 50 of each.
TEST(HistorySummary, MostMissedKeysOfTheRecentGames)
{
    std::vector<GameRecord> games;
    GameRecord old = Numbered(0);
    old.missed = {{'z', 1000}};
    games.push_back(old);
    for (int n = 0; n < 50; ++n) {
        GameRecord game = Numbered(n);
        game.missed = {{'a', 1}, {',', 1}};
        if (n % 2)
            game.missed['.'] = 4;
        games.push_back(game);
        GameRecord kana = Numbered(n);
        kana.mode = n % 2 ? Mode::Kana : Mode::KanaPractice;
        kana.missed = {{u'か', 2}, {u'゛', 1}};
        games.push_back(kana);
    }
    EXPECT_EQ(MostMissedKeys(games, Input::Romaji), (std::vector<KeyMisses>{{'.', 100}, {',', 50}, {'a', 50}}));
    EXPECT_EQ(MostMissedKeys(games, Input::Kana), (std::vector<KeyMisses>{{u'か', 100}, {u'゛', 50}}));
    EXPECT_EQ(RecentGames(games, Input::Romaji).size(), kRecentGames);
    EXPECT_EQ(RecentGames(games, Input::Romaji).front().missed.count('z'), 0u);
    EXPECT_TRUE(MostMissedKeys({}, Input::Romaji).empty());
    const std::vector<GameRecord> read = ParseRecentHistory(FormatHistory(games)).value;
    EXPECT_EQ(read.size(), 2 * kRecentGames);
    EXPECT_EQ(RecentGames(read, Input::Kana), RecentGames(games, Input::Kana));
}

// A game killed at any moment while it appends leaves the file whole: every
// line a game, the games before the kill still there in order.
TEST_F(HistoryFile, KilledMidAppendLeavesTheFileWhole)
{
    // A full file, so that each save writes as much as it ever does.
    std::string full = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\r\n";
    for (int n = 1; n <= 1000; ++n)
        full += FormatGameLine(Numbered(n)) + "\r\n";
    write(full);
    std::vector<GameRecord> before = load().value;
    std::mt19937 random(20261207);
    // Long enough for a few saves, so that kills land in every step of one.
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int next = 1001;
    for (int round = 0; round < 150; ++round) {
        const int first = next;
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (int n = first;; ++n)
                append(Numbered(n));
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        const std::string raw = bytes();
        ASSERT_TRUE(raw.ends_with("\r\n")) << "round " << round;
        const HistoryRead after = load();
        ASSERT_EQ(after.skippedLines, 0) << "round " << round;
        // The old games, less those pushed out at the front, then the new
        // ones in the order they were appended.
        const std::vector<std::int32_t> old = SecondsOf(before), now = SecondsOf(after.value);
        ASSERT_EQ(now.size(), kHistoryGames) << "round " << round;
        const auto lastOld = std::find(now.begin(), now.end(), old.back());
        ASSERT_NE(lastOld, now.end()) << "round " << round;
        const auto kept = static_cast<std::size_t>(lastOld - now.begin()) + 1;
        EXPECT_TRUE(std::equal(now.begin(), lastOld + 1, old.end() - static_cast<std::ptrdiff_t>(kept)));
        for (auto it = lastOld + 1; it != now.end(); ++it)
            ASSERT_EQ(*it, next++) << "round " << round;
        before = after.value;
    }
}

// Games ending at once in several programs all keep their lines.
TEST_F(HistoryFile, ConcurrentAppendsLoseNoLine)
{
    constexpr int kPrograms = 4, kGamesEach = 25;
    std::vector<pid_t> children;
    for (int p = 0; p < kPrograms; ++p) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            bool saved = true;
            for (int n = 0; n < kGamesEach; ++n)
                saved = append(Numbered(p * 1000 + n)) && saved;
            _exit(saved ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const HistoryRead read = load();
    EXPECT_EQ(read.skippedLines, 0);
    std::vector<std::int32_t> seconds = SecondsOf(read.value);
    std::set<std::int32_t> expected;
    for (int p = 0; p < kPrograms; ++p) {
        for (int n = 0; n < kGamesEach; ++n)
            expected.insert(p * 1000 + n);
        // Each program's games in the order it appended them.
        std::vector<std::int32_t> own;
        std::copy_if(seconds.begin(), seconds.end(), std::back_inserter(own),
                     [p](std::int32_t s) { return s / 1000 == p; });
        EXPECT_TRUE(std::is_sorted(own.begin(), own.end()));
    }
    EXPECT_EQ(std::set<std::int32_t>(seconds.begin(), seconds.end()), expected);
    EXPECT_EQ(seconds.size(), expected.size());
}

// The weakness rule, all else equal: more mistypes per press or a slower
// time make a key weaker; a key never timed counts as typical.
TEST(KeyWeakness, MistypesAndSlownessEachMakeAKeyWeaker)
{
    struct Case {
        double rate;
        std::optional<double> meanMs;
    };
    // Each row weaker than the one before.
    const Case order[] = {
        {0.0, 150}, {0.0, 200}, {0.02, 200}, {0.10, 200}, {0.10, 400}, {0.30, 400}, {0.30, 900},
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_GT(KeyWeakness(order[i].rate, order[i].meanMs, 200), KeyWeakness(order[i - 1].rate, order[i - 1].meanMs, 200))
            << "row " << i;
    }
    EXPECT_EQ(KeyWeakness(0.1, std::nullopt, 200), KeyWeakness(0.1, 200, 200));
    EXPECT_EQ(KeyWeakness(0.1, 300, 0), KeyWeakness(0.1, std::nullopt, 0));
    // Against the player's own typical key: the same key weighs the same
    // for a fast and a slow player.
    EXPECT_DOUBLE_EQ(KeyWeakness(0.05, 300, 150), KeyWeakness(0.05, 600, 300));
}

// Over the latest games only, recent ones weighing more; a key asked for
// fewer than 20 times is shown but not judged; a line from before keys were
// measured counts for nothing.
TEST(KeyStats, JudgedKeysWeakestFirstFromTheRecentGames)
{
    std::vector<GameRecord> games;
    for (int n = 0; n < 60; ++n) {
        GameRecord game = Numbered(n);
        game.missed = {{'k', 1}};
        // The first eleven of these fall out of the latest fifty.
        game.typed = {{'a', {10, n < 11 ? 900 : 150}}, {'k', {9, 200}}, {'s', {10, 160}}};
        if (n >= 55)
            game.typed['s'] = {10, 400}; // slow of late
        if (n >= 41)
            game.typed['z'] = {1, 400};
        games.push_back(game);
    }
    // A line from before keys were measured, the latest of all.
    GameRecord older = Numbered(60);
    older.missed = {{'q', 500}};
    games.push_back(older);
    // A kana game is no romaji game.
    GameRecord kana = Numbered(61);
    kana.mode = Mode::Kana;
    kana.typed = {{u'か', {100, 900}}};
    games.push_back(kana);
    const std::vector<KeyStat> stats = KeyStatsOf(games, Input::Romaji);
    std::string order;
    for (const KeyStat& stat : stats)
        order += stat.key;
    EXPECT_EQ(order, "ksaz");
    const KeyStat& k = stats[0];
    EXPECT_EQ(k.presses, 490);
    EXPECT_EQ(k.mistypes, 49);
    EXPECT_DOUBLE_EQ(k.mistypeRate, 0.1);
    EXPECT_DOUBLE_EQ(*k.meanMs, 200);
    EXPECT_TRUE(k.judged);
    EXPECT_DOUBLE_EQ(*stats[2].meanMs, 150) << "the old slow games are past the latest fifty";
    EXPECT_GT(*stats[1].meanMs, 160 + (400 - 160) * 0.1) << "the last five games weigh more than a tenth";
    EXPECT_FALSE(stats[3].judged);
    EXPECT_EQ(stats[3].presses, 19);
    EXPECT_EQ(stats[3].weakness, 0);

    // Weak keys are the judged keys above the median one, by how much.
    const std::map<kibbo::KeyChar, double> weights = WeakKeyWeights(stats);
    EXPECT_EQ(weights.size(), 1u);
    EXPECT_DOUBLE_EQ(weights.at('k'), stats[0].weakness - stats[1].weakness);
    EXPECT_TRUE(WeakKeyWeights(KeyStatsOf({older}, Input::Romaji)).empty());

    // A game ten games older than the latest weighs half as much: one
    // mistype and a slow key in the oldest of eleven games.
    std::vector<GameRecord> eleven;
    for (int n = 0; n < 11; ++n) {
        GameRecord game = Numbered(n);
        game.missed = n == 0 ? std::map<KeyChar, std::int32_t>{{'k', 1}} : std::map<KeyChar, std::int32_t>{};
        game.typed = {{'k', {n == 0 ? 9 : 10, n == 0 ? 1000 : 100}}};
        eleven.push_back(game);
    }
    const KeyStat weighed = KeyStatsOf(eleven, Input::Romaji).front();
    EXPECT_NEAR(weighed.mistypeRate, 0.00627638979762351, 1e-12);
    EXPECT_NEAR(*weighed.meanMs, 151.15985656252738, 1e-9);
    EXPECT_EQ(KeyStatsOf(games, Input::Kana).front().key, u'か');
}
