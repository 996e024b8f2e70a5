// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"
#include "prefs/KeyPrefs.h"
#include "prefs/Options.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"

#include <cstdint>
#include <vector>

namespace kibbo {

// The player's data as the game last read it, held in memory: what the
// rules and the windows read, at once and without the disk.
struct PlayerData {
    KeyPrefs keyPrefs{};
    Options options;
    Loaded<Ranking> ranking;
    Loaded<Ranking> kanaRanking; // of games typed in kana
    Loaded<std::int32_t> lastScore;
    // The latest kRecentGames games of the history, for weak-key practice.
    std::vector<GameRecord> recentGames;

    // What the options have the player type from the next game on.
    Input input() const { return options.kanaInput ? Input::Kana : Input::Romaji; }
    const Loaded<Ranking>& rankingOf(Input input) const { return input == Input::Kana ? kanaRanking : ranking; }
    Loaded<Ranking>& rankingOf(Input input) { return input == Input::Kana ? kanaRanking : ranking; }
};

} // namespace kibbo
