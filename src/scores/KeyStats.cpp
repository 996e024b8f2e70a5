// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/KeyStats.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kibbo {

namespace {

// A game this many games older than the latest counts half as much: the
// player's hands change with practice, and the last few sessions say most.
constexpr double kHalfLifeGames = 10;

// A mistype costs the wrong key, noticing it and typing the key again, so
// one mistype in five presses weighs as much as a key that always takes
// twice the player's typical time.
constexpr double kMistypeCost = 5;

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 != 0)
        return upper;
    return (upper + *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle))) / 2;
}

struct Sums {
    std::int64_t presses = 0, mistypes = 0;
    double weightedPresses = 0, weightedMistypes = 0;
    double weightedCount = 0, weightedMs = 0; // of the timed presses
};

} // namespace

// A key is as weak as it is slow against the player's own typical key (the
// median of the keys' mean times, so that a fast or a slow player is judged
// against themself), plus what its mistypes cost. Both terms only grow: more
// mistypes per press, or a slower time, never make a key stronger. A key
// never timed counts as typical.
double KeyWeakness(double mistypeRate, std::optional<double> meanMs, double typicalMs)
{
    const double slowness = meanMs && typicalMs > 0 ? *meanMs / typicalMs : 1.0;
    return slowness + kMistypeCost * mistypeRate;
}

std::vector<KeyStat> KeyStatsOf(const std::vector<GameRecord>& games, Input input)
{
    const std::vector<GameRecord> recent = RecentGames(games, input);
    std::map<KeyChar, Sums> sums;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const GameRecord& game = recent[i];
        const double weight = std::exp2(-static_cast<double>(recent.size() - 1 - i) / kHalfLifeGames);
        for (const auto& [key, times] : game.typed) {
            const auto missed = game.missed.find(key);
            const std::int32_t mistypes = missed == game.missed.end() ? 0 : missed->second;
            Sums& sum = sums[key];
            sum.presses += times.count + mistypes;
            sum.mistypes += mistypes;
            sum.weightedPresses += weight * (times.count + mistypes);
            sum.weightedMistypes += weight * mistypes;
            if (times.meanMs) {
                sum.weightedCount += weight * times.count;
                sum.weightedMs += weight * times.count * *times.meanMs;
            }
        }
    }
    std::vector<KeyStat> stats;
    std::vector<double> judgedTimes;
    for (const auto& [key, sum] : sums) {
        KeyStat stat;
        stat.key = key;
        stat.presses = static_cast<std::int32_t>(std::min<std::int64_t>(sum.presses, INT32_MAX));
        stat.mistypes = static_cast<std::int32_t>(std::min<std::int64_t>(sum.mistypes, INT32_MAX));
        stat.mistypeRate = sum.weightedPresses > 0 ? sum.weightedMistypes / sum.weightedPresses : 0;
        if (sum.weightedCount > 0)
            stat.meanMs = sum.weightedMs / sum.weightedCount;
        stat.judged = stat.presses >= kJudgedPresses;
        if (stat.judged && stat.meanMs)
            judgedTimes.push_back(*stat.meanMs);
        stats.push_back(stat);
    }
    const double typicalMs = Median(judgedTimes);
    for (KeyStat& stat : stats) {
        if (stat.judged)
            stat.weakness = KeyWeakness(stat.mistypeRate, stat.meanMs, typicalMs);
    }
    std::stable_sort(stats.begin(), stats.end(), [](const KeyStat& a, const KeyStat& b) {
        if (a.judged != b.judged)
            return a.judged;
        return a.weakness > b.weakness;
    });
    return stats;
}

std::map<KeyChar, double> WeakKeyWeights(const std::vector<KeyStat>& stats)
{
    std::vector<double> weaknesses;
    for (const KeyStat& stat : stats) {
        if (stat.judged)
            weaknesses.push_back(stat.weakness);
    }
    const double median = Median(weaknesses);
    std::map<KeyChar, double> weights;
    for (const KeyStat& stat : stats) {
        if (stat.judged && stat.weakness > median)
            weights[stat.key] = stat.weakness - median;
    }
    return weights;
}

} // namespace kibbo
