// SPDX-License-Identifier: GPL-3.0-or-later
// kibbo-tool: the catalogue and the guide conversion from the command line,
// for players who want to practise a name and for maintainers checking the
// guides under a preference file; and the ranking, to read it or to carry a
// score over from another machine; and the games played, with the keys
// that cost the most mistypes.
#include "VersionText.h"
#include "platform/DataFolder.h"
#include "platform/PlayerFiles.h"
#include "prefs/KeyPrefs.h"
#include "scores/History.h"
#include "scores/KeyStats.h"
#include "scores/ScoreFiles.h"
#include "store/FileProblems.h"
#include "store/FileStore.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"

#include <QCoreApplication>
#include <QString>

#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

const char* const kUsage = "usage: kibbo-tool catalogue [--prefs FILE] | guide [--prefs FILE] READING..."
                           " | ranking [--kana] [--data DIR] | ranking add SCORE NAME [--kana] [--data DIR]"
                           " | history [--data DIR]";

// A format that the number of recent games fills in; the number of keys
// listed is written in it as a word.
static_assert(kibbo::kListedMissedKeys == 10, "the help says \"the ten keys\"");
constexpr const char* kHelp =
    "usage: kibbo-tool catalogue [--prefs FILE]\n"
    "       kibbo-tool guide [--prefs FILE] READING...\n"
    "       kibbo-tool ranking [--kana] [--data DIR]\n"
    "       kibbo-tool ranking add SCORE NAME [--kana] [--data DIR]\n"
    "       kibbo-tool history [--data DIR]\n"
    "       kibbo-tool --help | --version\n"
    "The typing game's dog catalogue, romaji guides, ranking and history from the command line.\n"
    "  catalogue         every dog: index, name, reading, picture and guide, tab-separated\n"
    "  guide             the romaji guide of each reading\n"
    "  ranking           the seven places: place, score and name, tab-separated\n"
    "  ranking add       insert a score as the game's entry window does\n"
    "  history           every game kept, tab-separated, newest last; then the ten\n"
    "                    keys most missed over the last %zu games with their counts;\n"
    "                    then every key measured in those games: presses, mistypes,\n"
    "                    mistype rate and mean time (recent games weighing more) and\n"
    "                    its rank from weakest to strongest (- until it has %d presses);\n"
    "                    the same for games typed in kana after a line \"kana\";\n"
    "                    then the keys chosen to practise after \"chosen\"\n"
    "  --kana            the ranking of games typed in kana\n"
    "  --prefs FILE      the spellings of FILE (a spellings file as the game saves it) instead of the game's own\n"
    "  --data DIR        the ranking or history in DIR instead of the game's data folder\n"
    "Exit status: 0 done, 1 the ranking could not be written, 2 wrong use.\n"
    "See kibbo-tool(6) for the game's data folder.\n";

// The game's own data folder: beside the program, or the player's own when
// the program is installed.
kibbo::PlayerFiles GameFiles()
{
    return kibbo::PlayerFiles::In(kibbo::ChooseDataFolder(QCoreApplication::applicationDirPath().toStdString()));
}

constexpr const char* kTool = "kibbo-tool";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kibbo-tool: %s\n", message.c_str());
    return kUsageError;
}

std::string Utf8(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

std::optional<std::int32_t> ParseScore(const std::string& text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// "ranking [--data DIR]" and "ranking add SCORE NAME [--data DIR]".
int Ranking(const std::vector<std::string>& args)
{
    kibbo::PlayerFiles files = GameFiles();
    kibbo::Input input = kibbo::Input::Romaji;
    std::vector<std::string> words;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--data") {
            if (i + 1 >= args.size())
                return Fail("--data needs a folder");
            files = kibbo::PlayerFiles::In(args[++i]);
        } else if (args[i] == "--kana") {
            input = kibbo::Input::Kana;
        } else if (args[i].starts_with("--")) {
            return Fail("unknown option '" + args[i] + "'");
        } else {
            words.push_back(args[i]);
        }
    }
    const std::string& path = input == kibbo::Input::Kana ? files.kanaRanking : files.ranking;
    // A command-line program has nothing to draw while it reads and saves.
    kibbo::RunAtOnce runner;
    kibbo::FileStore store(files, runner);

    if (words.empty()) {
        const kibbo::Loaded<kibbo::Ranking> read = store.readRanking(input);
        if (const auto problem = kibbo::RankingReadProblem(path, read.state, read.error))
            kibbo::ReportFileProblem(kTool, *problem);
        for (int i = 0; i < kibbo::kRankPlaces; ++i)
            std::printf("%d\t%d\t%s\n", i + 1, read.value.rankScore[i], Utf8(read.value.rankName[i]).c_str());
        return 0;
    }
    if (words.size() != 3 || words[0] != "add")
        return Fail(kUsage);
    const std::optional<std::int32_t> score = ParseScore(words[1]);
    if (!score)
        return Fail("score '" + words[1] + "' is not a whole number from -2147483648 to 2147483647");
    const std::u16string name = QString::fromLocal8Bit(words[2].c_str()).toStdU16String();
    if (!kibbo::IsStorableName(name))
        return Fail("the ranking file cannot hold the name '" + words[2] + "' (no Shift-JIS form, or a line break)");

    // The same steps as the entry dialog's register and OK buttons.
    const kibbo::Registration registration = store.writeRegistration(*score, name, input);
    switch (registration.outcome.result) {
    case kibbo::SaveResult::Saved:
        if (registration.place == 0)
            std::printf("%d does not enter the ranking: the seventh place holds %d\n", *score,
                        registration.ranking.rankScore[kibbo::kRankPlaces - 1]);
        return 0;
    case kibbo::SaveResult::NameNotStorable:
        return Fail(kibbo::CannotWrite(registration.outcome, kibbo::Unsaved::Nothing));
    case kibbo::SaveResult::WriteFailed:
    case kibbo::SaveResult::NotReplaced:
        break;
    }
    kibbo::ReportFileProblem(kTool, kibbo::CannotWrite(registration.outcome, kibbo::Unsaved::Nothing));
    return 1;
}

// "history [--data DIR]": the games, then a blank line and the most-missed
// keys with their counts, then a blank line and every key's table.
int History(const std::vector<std::string>& args)
{
    kibbo::PlayerFiles files = GameFiles();
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--data")
            return Fail(kUsage);
        if (i + 1 >= args.size())
            return Fail("--data needs a folder");
        files = kibbo::PlayerFiles::In(args[++i]);
    }
    kibbo::RunAtOnce runner;
    kibbo::FileStore store(files, runner);
    const kibbo::Loaded<std::vector<kibbo::GameRecord>> read = store.readHistory();
    if (const auto problem = kibbo::HistoryReadProblem(files.history, read.state, read.skippedLines, read.error))
        kibbo::ReportFileProblem(kTool, *problem);
    for (const kibbo::GameRecord& game : read.value) {
        const std::string score = game.score ? std::to_string(*game.score) : std::string();
        std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%s\t%s\t%s\t%s\n", game.time.c_str(),
                    std::string(kibbo::EndingName(game.ending)).c_str(), score.c_str(), game.speed, game.dogs,
                    game.mistypes, game.seconds, game.anySpelling ? 1 : 0, kibbo::MissedText(game).c_str(),
                    kibbo::TypedText(game).c_str(), std::string(kibbo::ModeName(game.mode)).c_str(),
                    game.guideHidden ? "hidden" : "shown");
    }
    // The keys chosen to practise, letters and kana keys alike.
    std::string chosen;
    const std::string focus = store.readOptions().value.focusKeys;
    for (const kibbo::Input input : {kibbo::Input::Romaji, kibbo::Input::Kana}) {
        for (const kibbo::KeyChar key : kibbo::KeysOfText(focus, input)) {
            if (!chosen.empty())
                chosen += ' ';
            chosen += kibbo::KeyText(key);
        }
    }
    for (const kibbo::Input input : {kibbo::Input::Romaji, kibbo::Input::Kana}) {
        if (kibbo::RecentGames(read.value, input).empty())
            continue;
        std::printf(input == kibbo::Input::Kana ? "\nkana\n" : "\n");
        const std::vector<kibbo::KeyMisses> keys = kibbo::MostMissedKeys(read.value, input);
        for (std::size_t i = 0; i < keys.size() && i < kibbo::kListedMissedKeys; ++i)
            std::printf("%s\t%d\n", kibbo::KeyText(keys[i].key).c_str(), keys[i].count);
        const std::vector<kibbo::KeyStat> stats = kibbo::KeyStatsOf(read.value, input);
        if (stats.empty())
            continue;
        std::printf("\nkey\tpresses\tmistypes\tmistype_rate\tmean_ms\trank\n");
        int rank = 0;
        for (const kibbo::KeyStat& stat : stats) {
            const std::string mean = stat.meanMs ? std::to_string(std::lround(*stat.meanMs)) : "-";
            const std::string place = stat.judged ? std::to_string(++rank) : "-";
            std::printf("%s\t%d\t%d\t%.1f%%\t%s\t%s\n", kibbo::KeyText(stat.key).c_str(), stat.presses, stat.mistypes,
                        stat.mistypeRate * 100, mean.c_str(), place.c_str());
        }
    }
    if (!chosen.empty())
        std::printf("%schosen\t%s\n", read.value.empty() ? "" : "\n", chosen.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Under a file size limit a save must fail and say so, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(kHelp, kibbo::kRecentGames, kibbo::kJudgedPresses);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            PrintVersion("kibbo-tool");
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    if (args.empty())
        return Fail(kUsage);

    const std::string command = args.front();
    if (command == "ranking")
        return Ranking(args);
    if (command == "history")
        return History(args);
    if (command != "catalogue" && command != "guide")
        return Fail("unknown command '" + command + "'; " + kUsage);

    std::optional<std::string> prefsFile;
    std::vector<std::string> readings;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--prefs") {
            if (i + 1 >= args.size())
                return Fail("--prefs needs a file name");
            prefsFile = args[++i];
        } else if (args[i].starts_with("--")) {
            return Fail("unknown option '" + args[i] + "'");
        } else {
            readings.push_back(args[i]);
        }
    }
    if (command == "catalogue" && !readings.empty())
        return Fail("catalogue takes no readings");
    if (command == "guide" && readings.empty())
        return Fail("guide needs at least one reading");

    kibbo::PlayerFiles files = GameFiles();
    if (prefsFile)
        files.keyPrefs = *prefsFile;
    kibbo::RunAtOnce runner;
    kibbo::FileStore store(files, runner);
    // The game's own settings: standard spellings when there are none yet.
    const kibbo::Loaded<kibbo::KeyPrefs> read = store.readKeyPrefs(kibbo::KeyPrefs{});
    if (prefsFile && read.state != kibbo::ReadState::Loaded)
        return Fail(kibbo::CannotReadSpellings(*prefsFile));
    const kibbo::KeyPrefs& prefs = read.value;

    if (command == "catalogue") {
        for (int i = 0; i < kibbo::kDogCount; ++i) {
            const kibbo::DogEntry& dog = kibbo::dogTable[static_cast<std::size_t>(i)];
            std::printf("%d\t%s\t%s\t%.*s\t%s\n", i, Utf8(dog.dogName).c_str(), Utf8(dog.dogYomi).c_str(),
                        static_cast<int>(dog.dogPic.size()), dog.dogPic.data(),
                        Utf8(kibbo::MakeGuide(dog.dogYomi, prefs)).c_str());
        }
        return 0;
    }
    for (const std::string& reading : readings) {
        const std::u16string yomi = QString::fromLocal8Bit(reading.c_str()).toStdU16String();
        std::printf("%s\n", Utf8(kibbo::MakeGuide(yomi, prefs)).c_str());
    }
    return 0;
}
