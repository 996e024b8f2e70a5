// SPDX-License-Identifier: GPL-3.0-or-later
// The guide is rebuilt at every dog, inside a key press or a timer tick, so
// it has to stay far below a frame's time: a tenth of the one millisecond a
// key press may take is its share.
#include "scores/History.h"
#include "scores/KeyStats.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/PracticeDogs.h"
#include "typing/RomajiMatcher.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kTargetMicroseconds = 100.0;
// With any spelling on, every key goes through the matcher, inside the one
// millisecond a key press may take.
constexpr double kMatcherTargetMicroseconds = 1000.0;
// A practice dog is chosen inside the key that finishes the one before; the
// game's first also judges the latest games' keys, once, inside a frame. The
// games are in memory by then, read beside the window as the game started.
constexpr double kPracticeDogTargetMicroseconds = 1000.0;
constexpr double kFirstPracticeDogTargetMicroseconds = 16000.0;

// Preference set 0 is every standard spelling, 1 and 2 every slot's first
// and second alternative, so that every replacement rule is exercised.
kibbo::KeyPrefs PreferenceSet(std::int64_t set)
{
    kibbo::KeyPrefs prefs{};
    prefs.fill(static_cast<std::int16_t>(set));
    return prefs;
}

void BM_MakeGuideLongestReading(benchmark::State& state)
{
    const kibbo::KeyPrefs prefs = PreferenceSet(state.range(0));
    const auto reading = kibbo::dogTable[120].dogYomi;
    for (auto _ : state)
        benchmark::DoNotOptimize(kibbo::MakeGuide(reading, prefs));
}
BENCHMARK(BM_MakeGuideLongestReading)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_MakeGuideCatalogue(benchmark::State& state)
{
    const kibbo::KeyPrefs prefs = PreferenceSet(state.range(0));
    for (auto _ : state)
        for (const auto& dog : kibbo::dogTable)
            benchmark::DoNotOptimize(kibbo::MakeGuide(dog.dogYomi, prefs));
}
BENCHMARK(BM_MakeGuideCatalogue)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Every reading typed in the spellings of set 1 or 2 into a matcher set up
// under the standard ones, so that many keys re-form the guide; a matcher is
// made for each dog, as the game makes it, and the reading's mark is taken
// after every key, as the game takes it with the reading shown.
void BM_RomajiMatcherCatalogue(benchmark::State& state)
{
    std::vector<std::u16string> typed;
    std::int64_t keys = 0;
    for (const auto& dog : kibbo::dogTable) {
        typed.push_back(kibbo::MakeGuide(dog.dogYomi, PreferenceSet(state.range(0))));
        keys += static_cast<std::int64_t>(typed.back().size());
    }
    for (auto _ : state) {
        for (std::size_t index = 0; index < typed.size(); ++index) {
            kibbo::RomajiMatcher matcher(kibbo::dogTable[index].dogYomi, PreferenceSet(0));
            for (char16_t key : typed[index]) {
                benchmark::DoNotOptimize(matcher.type(key));
                benchmark::DoNotOptimize(matcher.progress());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_RomajiMatcherCatalogue)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The dearest key: on the longest reading, ヴぉ begun as "vu" re-forms the
// guide of everything after it. Timed with the matcher's set-up.
void BM_RomajiMatcherWorstKey(benchmark::State& state)
{
    const auto reading = kibbo::dogTable[120].dogYomi;
    for (auto _ : state) {
        kibbo::RomajiMatcher matcher(reading, PreferenceSet(0));
        matcher.type(u'v');
        benchmark::DoNotOptimize(matcher.type(u'u'));
    }
}
BENCHMARK(BM_RomajiMatcherWorstKey)->Unit(benchmark::kMicrosecond);

// A full history of a thousand games, every key measured in each.
std::string FullHistory()
{
    std::vector<kibbo::GameRecord> games;
    for (int n = 0; n < static_cast<int>(kibbo::kHistoryGames); ++n) {
        kibbo::GameRecord game;
        game.time = "2026-12-07T17:05:31";
        game.ending = kibbo::Ending::Over;
        for (const char key : kibbo::kGuideKeys) {
            game.typed[key] = {40 + n % 7, 150 + (key * 7 + n) % 200};
            game.missed[key] = 1 + (key + n) % 5;
        }
        games.push_back(game);
    }
    return kibbo::FormatHistory(games);
}

// Every judged key's weight, as a full history gives them.
std::map<kibbo::KeyChar, double> FullWeights()
{
    return kibbo::WeakKeyWeights(kibbo::KeyStatsOf(kibbo::ParseHistory(FullHistory()).value, kibbo::Input::Romaji));
}

std::vector<std::int16_t> RecentThirty()
{
    std::vector<std::int16_t> recent;
    for (int i = 0; i < static_cast<int>(kibbo::kPracticeFreshDogs); ++i)
        recent.push_back(static_cast<std::int16_t>(i * 10));
    return recent;
}

void BM_PracticeDog(benchmark::State& state)
{
    const std::vector<double> shares = kibbo::WeakShares(FullWeights(), PreferenceSet(1), kibbo::Input::Romaji);
    const std::vector<std::int16_t> recent = RecentThirty();
    for (auto _ : state)
        benchmark::DoNotOptimize(kibbo::WeakKeyDog(shares, recent));
}
BENCHMARK(BM_PracticeDog)->Unit(benchmark::kMicrosecond);

void BM_FirstPracticeDog(benchmark::State& state)
{
    const std::vector<kibbo::GameRecord> games = kibbo::ParseRecentHistory(FullHistory()).value;
    const std::vector<std::int16_t> recent = RecentThirty();
    for (auto _ : state) {
        const auto weights = kibbo::WeakKeyWeights(kibbo::KeyStatsOf(games, kibbo::Input::Romaji));
        benchmark::DoNotOptimize(kibbo::WeakKeyDog(kibbo::WeakShares(weights, PreferenceSet(1), kibbo::Input::Romaji), recent));
    }
}
BENCHMARK(BM_FirstPracticeDog)->Unit(benchmark::kMicrosecond);

// Prints the figures instead of the table: the time per guide over the whole
// catalogue, for the slowest preference set, against its target.
class FigureReporter final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // The guide benchmarks report microseconds per iteration.
            const double micros = run.GetAdjustedRealTime();
            if (run.run_name.function_name == "BM_RomajiMatcherCatalogue")
                m_matcherKeysPerSecond.push_back(run.counters.at("items_per_second"));
            else if (run.run_name.function_name == "BM_RomajiMatcherWorstKey")
                m_matcherWorstKey = micros;
            else if (run.run_name.function_name == "BM_PracticeDog")
                m_practiceDog = micros;
            else if (run.run_name.function_name == "BM_FirstPracticeDog")
                m_firstPracticeDog = micros;
            else if (run.run_name.function_name == "BM_MakeGuideCatalogue")
                m_catalogue.push_back(micros / static_cast<double>(kibbo::dogTable.size()));
            else
                m_longest.push_back(micros);
        }
    }

    void Finalize() override
    {
        if (m_catalogue.empty())
            return;
        std::string sets;
        for (double micros : m_catalogue)
            sets += (sets.empty() ? "" : " / ") + Format(micros);
        std::printf("MakeGuide, time per guide (323 readings, slowest of 3 preference sets): %s us (target: %.0f us)\n",
                    Format(*std::max_element(m_catalogue.begin(), m_catalogue.end())).c_str(), kTargetMicroseconds);
        std::printf("MakeGuide per guide by preference set 0 / 1 / 2 (info): %s us\n", sets.c_str());
        if (!m_longest.empty())
            std::printf("MakeGuide, longest reading, slowest preference set (info): %s us\n",
                        Format(*std::max_element(m_longest.begin(), m_longest.end())).c_str());
        if (!m_matcherKeysPerSecond.empty()) {
            const double keysPerSecond = *std::min_element(m_matcherKeysPerSecond.begin(), m_matcherKeysPerSecond.end());
            std::printf("RomajiMatcher, keys per second over 323 readings typed in other spellings, set-ups included: "
                        "%.0f (target: %.0f)\n",
                        keysPerSecond, 1e6 / kMatcherTargetMicroseconds);
        }
        if (m_matcherWorstKey > 0)
            std::printf("RomajiMatcher, set-up and the dearest key of the longest reading: %s us (target: %.0f us)\n",
                        Format(m_matcherWorstKey).c_str(), kMatcherTargetMicroseconds);
        if (m_practiceDog > 0)
            std::printf("Practice dog chosen from the catalogue, 30 dogs ruled out: %s us (target: %.0f us)\n",
                        Format(m_practiceDog).c_str(), kPracticeDogTargetMicroseconds);
        if (m_firstPracticeDog > 0)
            std::printf("A game's first practice dog: the latest 50 of 1,000 games read and judged, every guide's "
                        "share made: %s us (target: %.0f us)\n",
                        Format(m_firstPracticeDog).c_str(), kFirstPracticeDogTargetMicroseconds);
    }

private:
    static std::string Format(double micros)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", micros);
        return text;
    }

    std::vector<double> m_catalogue;
    std::vector<double> m_longest;
    std::vector<double> m_matcherKeysPerSecond;
    double m_matcherWorstKey = 0;
    double m_practiceDog = 0;
    double m_firstPracticeDog = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
