// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

inline constexpr int kRankPlaces = 7;

// The ranking as the dialogs hold it: places 1 to 7 at indexes 0 to 6, and
// index 7 for the entry an insertion pushes off place 7, which is never
// read, saved or shown.
struct Ranking {
    std::array<std::int32_t, kRankPlaces + 1> rankScore{};
    std::array<std::u16string, kRankPlaces + 1> rankName{};
};

// The ranking file: a score line in the numeric print form and a name line
// per place. A file larger than kSmallFileLimit reads as Damaged, unread. The name is the whole line, so commas, quotes and leading
// blanks come back as typed; bytes that are no Shift-JIS read as "?".
// Loaded, or Damaged when a field could not be read.
Loaded<Ranking> ParseRanking(std::string_view bytes);

// Nothing when a name cannot be stored (see IsStorableName).
std::optional<std::string> FormatRanking(const Ranking& ranking);

// A name fits the ranking file when it has a Shift-JIS form and no line
// break, which would split it over two places.
bool IsStorableName(std::u16string_view name);

// The last-score file: the score of the last cleared game, in the numeric
// print form; nothing when the bytes hold no 32-bit number.
std::optional<std::int32_t> ParseLastScore(std::string_view bytes);
std::string FormatLastScore(std::int32_t score);

// Puts a new entry into its place: directly below the highest-placed entry
// with an equal score, otherwise above the first lower one. What falls off
// place 7 lands in the overflow slot. Returns the entry's place, 1 to 7, or
// 0 when it lands in the overflow slot or nowhere.
int InsertRankEntry(Ranking& ranking, std::int32_t score, std::u16string name);

} // namespace kibbo
