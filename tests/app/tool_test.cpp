// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/KeyPrefs.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& args)
{
    QProcess process;
    const QString dist = qEnvironmentVariableIsSet("KIBBO_DIST") ? qEnvironmentVariable("KIBBO_DIST")
                                                                 : QStringLiteral(KIBBO_DIST_FOLDER);
    process.start(dist + "/kibbo-tool", args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

// The catalogue lists all 323 entries with their guides.
TEST(KibboTool, CatalogueListsEveryDog)
{
    QTemporaryDir dir;
    const QString prefs = dir.filePath("key.ini");
    ASSERT_TRUE(kibbo::WriteFileAtomically(prefs.toStdString(), kibbo::FormatKeyPrefs(kibbo::KeyPrefs{})));
    const ToolRun run = RunTool({"catalogue", "--prefs", prefs});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 323);
    EXPECT_EQ(lines[0], QString::fromUtf8("0\tバセンジー\tばせんじー\tbasenji.gif\tbasennji-"));
    EXPECT_EQ(lines[223], QString::fromUtf8("223\t甲斐\tかい\tkaidog2.gif\tkai"));
}

// A preference file changes the guides it prints.
TEST(KibboTool, GuideFollowsPreferenceFile)
{
    QTemporaryDir dir;
    kibbo::KeyPrefs prefs{};
    prefs[3] = 1;
    prefs[4] = 1;
    prefs[9] = 1;
    const QString path = dir.filePath("key.ini");
    ASSERT_TRUE(kibbo::WriteFileAtomically(path.toStdString(), kibbo::FormatKeyPrefs(prefs)));
    const ToolRun run = RunTool({"guide", "--prefs", path, QString::fromUtf8("びしょんふりーぜ"), QString::fromUtf8("ちわわ")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "bishonfuri-ze\ntiwawa\n");
}

// Bad arguments and unreadable files give one line on stderr and status 2.
TEST(KibboTool, BadUseFailsWithStatusTwo)
{
    QTemporaryDir dir;
    const QList<QStringList> cases = {
        {},
        {"dogs"},
        {"guide"},
        {"catalogue", "extra"},
        {"catalogue", "--prefs"},
        {"catalogue", "--verbose"},
        {"catalogue", "--prefs", dir.filePath("missing.ini")},
    };
    for (const QStringList& args : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

namespace {

// A ranking folder holding the given scores, places named p1 to p7.
class RankingFolder {
public:
    explicit RankingFolder(std::vector<int> scores)
    {
        kibbo::Ranking r;
        for (int i = 0; i < kibbo::kRankPlaces; ++i) {
            r.rankScore[i] = scores[i];
            r.rankName[i] = u"p" + std::u16string(1, static_cast<char16_t>(u'1' + i));
        }
        EXPECT_TRUE(kibbo::WriteFileAtomically(path(), kibbo::FormatRanking(r).value()));
    }
    std::string path() const { return dir.filePath("score.kib").toStdString(); }
    QString folder() const { return dir.path(); }
    std::string bytes() const { return kibbo::ReadWholeFile(path()).value_or("<none>"); }
    std::vector<int> scores() const
    {
        const kibbo::Ranking r = kibbo::ParseRanking(kibbo::ReadWholeFile(path()).value_or("")).value;
        return {r.rankScore.begin(), r.rankScore.begin() + kibbo::kRankPlaces};
    }

private:
    QTemporaryDir dir;
};

} // namespace

// "ranking add" places a score by the register button's rule and saves it.
TEST(KibboTool, RankingAddFollowsTheInsertionRule)
{
    struct Case {
        std::vector<int> before;
        const char* score;
        std::vector<int> after;
    };
    const std::vector<int> ladder = {900, 800, 700, 600, 500, 400, 300};
    const Case cases[] = {
        {ladder, "300", ladder},
        {ladder, "301", {900, 800, 700, 600, 500, 400, 301}},
        {ladder, "1000", {1000, 900, 800, 700, 600, 500, 400}},
        {ladder, "700", {900, 800, 700, 700, 600, 500, 400}},
        {{900, 700, 700, 700, 500, 400, 300}, "700", {900, 700, 700, 700, 700, 500, 400}},
        {{5, 4, 3, 2, 1, 0, -100}, "-50", {5, 4, 3, 2, 1, 0, -50}},
    };
    for (const Case& c : cases) {
        RankingFolder folder(c.before);
        const ToolRun run = RunTool({"ranking", "add", c.score, "new", "--data", folder.folder()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(folder.scores(), c.after) << c.score;
    }
}

// The listing is tab-separated UTF-8, names exactly as stored.
TEST(KibboTool, RankingListsSevenPlaces)
{
    RankingFolder folder({900, 800, 700, 600, 500, 400, -300});
    ASSERT_EQ(RunTool({"ranking", "add", "650", "ポチ, \"2\"", "--data", folder.folder()}).exitCode, 0);
    const ToolRun run = RunTool({"ranking", "--data", folder.folder()});
    ASSERT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[3], QString::fromUtf8("4\t650\tポチ, \"2\""));
    EXPECT_EQ(lines[6], "7\t400\tp6");

    // The kana ranking is a file of its own.
    ASSERT_EQ(RunTool({"ranking", "add", "10", "kana", "--kana", "--data", folder.folder()}).exitCode, 0);
    EXPECT_TRUE(RunTool({"ranking", "--kana", "--data", folder.folder()}).out.startsWith("1\t10\tkana\n"));
    EXPECT_EQ(RunTool({"ranking", "--data", folder.folder()}).out, run.out);
}

// A bad score or a name the file cannot hold is refused and changes nothing.
TEST(KibboTool, RankingAddRefusesBadInput)
{
    RankingFolder folder({900, 800, 700, 600, 500, 400, 300});
    const std::string before = folder.bytes();
    for (const QStringList& args : {QStringList{"12x", "a"}, QStringList{"2147483648", "a"},
                                    QStringList{"", "a"}, QStringList{"5", QString::fromUtf8("犬🐶")},
                                    QStringList{"5", "two\nlines"}}) {
        const ToolRun run = RunTool(QStringList{"ranking", "add"} + args + QStringList{"--data", folder.folder()});
        EXPECT_NE(run.exitCode, 0) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(folder.bytes(), before);
    }
    // A folder that cannot be written fails loudly.
    const ToolRun run = RunTool({"ranking", "add", "5", "a", "--data", folder.folder() + "/missing"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.indexOf("cannot write"), -1);
}

// Forty "ranking add" runs started at once on one ranking: each waits its
// turn, so every one of the seven best is saved, in any start order.
TEST(KibboTool, SimultaneousAddsLoseNoRegistration)
{
    std::mt19937 random(7);
    for (int round = 0; round < 2; ++round) {
        QTemporaryDir dir;
        std::vector<int> scores(40);
        std::iota(scores.begin(), scores.end(), 1000);
        std::shuffle(scores.begin(), scores.end(), random);
        std::vector<std::unique_ptr<QProcess>> runs;
        const QString dist = qEnvironmentVariableIsSet("KIBBO_DIST") ? qEnvironmentVariable("KIBBO_DIST")
                                                                     : QStringLiteral(KIBBO_DIST_FOLDER);
        for (const int score : scores) {
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->start(dist + "/kibbo-tool",
                               {"ranking", "add", QString::number(score), "n" + QString::number(score), "--data", dir.path()});
        }
        for (auto& run : runs) {
            ASSERT_TRUE(run->waitForFinished(120000));
            EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
        }
        const kibbo::Ranking r =
            kibbo::ParseRanking(kibbo::ReadWholeFile(dir.filePath("score.kib").toStdString()).value_or("")).value;
        for (int i = 0; i < kibbo::kRankPlaces; ++i) {
            EXPECT_EQ(r.rankScore[i], 1039 - i) << "round " << round << ", place " << i + 1;
            EXPECT_EQ(QString::fromStdU16String(r.rankName[i]), "n" + QString::number(1039 - i));
        }
    }
}

// A score that does not enter says so in one line, with the seventh place it
// failed to beat, and changes nothing.
TEST(KibboTool, RankingAddSaysWhenTheScoreDoesNotEnter)
{
    RankingFolder folder({900, 800, 700, 600, 500, 400, 300});
    const std::string before = folder.bytes();
    const ToolRun run = RunTool({"ranking", "add", "300", "late", "--data", folder.folder()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "300 does not enter the ranking: the seventh place holds 300\n");
    EXPECT_EQ(folder.bytes(), before);
}

// Under a file size limit (as on a full disk) the save fails with status 1
// and a line on stderr, and the ranking keeps every byte.
TEST(KibboTool, RankingAddOnAFullDiskFailsAndKeepsTheFile)
{
    RankingFolder folder({900, 800, 700, 600, 500, 400, 300});
    const std::string before = folder.bytes();
    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit none{0, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
    });
    const QString dist = qEnvironmentVariableIsSet("KIBBO_DIST") ? qEnvironmentVariable("KIBBO_DIST")
                                                                 : QStringLiteral(KIBBO_DIST_FOLDER);
    process.start(dist + "/kibbo-tool", {"ranking", "add", "850", "Full", "--data", folder.folder()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_NE(process.readAllStandardError().indexOf("cannot write"), -1);
    EXPECT_EQ(folder.bytes(), before);
}

// An installed kibbo-tool (no writable data/ beside it) takes its spellings
// from the player's own data folder, as the game does.
TEST(KibboTool, GuideUsesThePlayersSpellings)
{
    QTemporaryDir dir;
    const QString dist = qEnvironmentVariableIsSet("KIBBO_DIST") ? qEnvironmentVariable("KIBBO_DIST")
                                                                 : QStringLiteral(KIBBO_DIST_FOLDER);
    ASSERT_TRUE(QDir(dir.path()).mkpath("program"));
    ASSERT_TRUE(QFile::copy(dist + "/kibbo-tool", dir.filePath("program/kibbo-tool")));
    ASSERT_TRUE(QDir(dir.path()).mkpath("home/kibbo/data"));
    ASSERT_TRUE(kibbo::WriteFileAtomically(dir.filePath("home/kibbo/data/key.ini").toStdString(), " 1 \r\n"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.filePath("home"));
    process.setProcessEnvironment(env);
    process.start(dir.filePath("program/kibbo-tool"), {"guide", QString::fromUtf8("し")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.readAllStandardOutput(), "shi\n");
    process.start(dir.filePath("program/kibbo-tool"), {"catalogue"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.readAllStandardOutput().indexOf("\tshibainu\n"), -1);
}

// "history" lists every game, newest last, then the keys most missed over the
// last 50 games; a damaged line is skipped and said once on stderr.
TEST(KibboTool, HistoryListsGamesAndMostMissedKeys)
{
    QTemporaryDir dir;
    std::string file = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\r\n";
    for (int n = 0; n < 55; ++n) {
        kibbo::GameRecord game;
        char time[32];
        std::snprintf(time, sizeof time, "2026-12-07T17:%02d:00", n);
        game.time = time;
        game.ending = n % 2 ? kibbo::Ending::Over : kibbo::Ending::Cleared;
        if (game.ending == kibbo::Ending::Cleared)
            game.score = -n;
        game.speed = 100 + n;
        game.seconds = n;
        // The first five games fall outside the summary.
        game.missed = n < 5 ? std::map<kibbo::KeyChar, std::int32_t>{{'z', 100}} : std::map<kibbo::KeyChar, std::int32_t>{{',', 2}, {'a', 1}};
        // Keys measured in the last ten games: a slow and often missed, ','
        // quick, b too rarely asked for to be judged.
        if (n >= 45)
            game.typed = {{',', {3, 150}}, {'a', {1, 450}}, {'b', {1, std::nullopt}}};
        game.mode = n == 54 ? kibbo::Mode::Practice : kibbo::Mode::Normal;
        game.guideHidden = n == 54;
        file += kibbo::FormatGameLine(game) + "\r\n";
        if (n == 3)
            file += "torn line\r\n";
    }
    ASSERT_TRUE(kibbo::WriteFileAtomically(dir.filePath("history.csv").toStdString(), file));

    const ToolRun run = RunTool({"history", "--data", dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 55 + 1 + 2 + 1 + 1 + 3 + 1) << run.out.toStdString();
    EXPECT_EQ(lines[0], "2026-12-07T17:00:00\tcleared\t0\t100\t0\t0\t0\t0\tz:100\t\tnormal\tshown");
    EXPECT_EQ(lines[54], "2026-12-07T17:54:00\tcleared\t-54\t154\t0\t0\t54\t0\t,:2 a:1\t,:3:150 a:1:450 b:1\tpractice\thidden");
    EXPECT_EQ(lines.mid(55), (QStringList{"", ",\t100", "a\t50", "", "key\tpresses\tmistypes\tmistype_rate\tmean_ms\trank",
                                          "a\t20\t10\t50.0%\t450\t1", ",\t50\t20\t40.0%\t150\t2", "b\t10\t0\t0.0%\t-\t-", ""}));

    // Kana games follow in a section of their own, their keys in UTF-8.
    kibbo::GameRecord kana;
    kana.time = "2026-12-08T10:00:00";
    kana.mode = kibbo::Mode::Kana;
    kana.missed = {{u'゛', 2}};
    kana.typed = {{u'゛', {30, 300}}};
    file += kibbo::FormatGameLine(kana) + "\r\n";
    ASSERT_TRUE(kibbo::WriteFileAtomically(dir.filePath("history.csv").toStdString(), file));
    const QStringList withKana = RunTool({"history", "--data", dir.path()}).out.split('\n');
    EXPECT_EQ(withKana.mid(lines.size()),
              (QStringList{"", "kana", QString::fromUtf8("゛\t2"), "", "key\tpresses\tmistypes\tmistype_rate\tmean_ms\trank",
                           QString::fromUtf8("゛\t32\t2\t6.2%\t300\t1"), ""}));

    // The keys chosen to practise come last.
    ASSERT_TRUE(kibbo::WriteFileAtomically(dir.filePath("options.ini").toStdString(), "focus_keys=kか?\r\n"));
    EXPECT_TRUE(RunTool({"history", "--data", dir.path()}).out.endsWith(QString::fromUtf8("\nchosen\tk か\n")));

    // No games yet: nothing to list, and no fault.
    QTemporaryDir empty;
    const ToolRun none = RunTool({"history", "--data", empty.path()});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.isEmpty());
    EXPECT_EQ(RunTool({"history", "--data"}).exitCode, 2);
    EXPECT_EQ(RunTool({"history", "extra"}).exitCode, 2);
}
