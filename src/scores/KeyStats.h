// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/History.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace kibbo {

// A key is judged once it was asked for this often in the latest games;
// fewer presses say more about chance than about the player.
inline constexpr std::int32_t kJudgedPresses = 20;

// How one key went over the latest kRecentGames games of its input.
struct KeyStat {
    KeyChar key = 0;
    std::int32_t presses = 0;  // typed correctly or mistyped while it was showing
    std::int32_t mistypes = 0;
    double mistypeRate = 0;       // mistypes per press, recent games weighing more
    std::optional<double> meanMs; // time of a correct press, recent games weighing more
    bool judged = false;          // kJudgedPresses or more
    double weakness = 0;          // KeyWeakness for a judged key, else 0

    bool operator==(const KeyStat&) const = default;
};

// The weakness rule: how much one key holds the player back, from its
// mistype rate and its mean time against the player's typical key.
double KeyWeakness(double mistypeRate, std::optional<double> meanMs, double typicalMs);

// Every key measured in the latest games typed on this input (lines without
// key measurements count for nothing here): the judged keys weakest first,
// then the others in the order of their characters.
std::vector<KeyStat> KeyStatsOf(const std::vector<GameRecord>& games, Input input);

// The judged keys weaker than the player's median key, each with how much
// weaker: what practice chooses dogs for. Empty until keys are judged.
std::map<KeyChar, double> WeakKeyWeights(const std::vector<KeyStat>& stats);

} // namespace kibbo
