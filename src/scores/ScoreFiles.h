// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

enum class FileState {
    Whole,   // every field was there and readable
    Missing, // no file, or it could not be read: all places are empty
    Damaged, // places that could not be read are empty, the rest as read
};

struct RankingRead {
    Ranking ranking;
    FileState state = FileState::Whole;
};

// The ranking file: a score line in the numeric print form and a name line
// per place. A file larger than kSmallFileLimit reads as Damaged, unread. The name is the whole line, so commas, quotes and leading
// blanks come back as typed; bytes that are no Shift-JIS read as "?".
RankingRead ParseRanking(std::string_view bytes);
RankingRead LoadRanking(const std::string& path);

// Nothing when a name cannot be stored (see IsStorableName).
std::optional<std::string> FormatRanking(const Ranking& ranking);

enum class SaveResult { Saved, NameNotStorable, WriteFailed };

// Replaces the file in one step; on any failure the old file stays whole.
SaveResult SaveRanking(const std::string& path, const Ranking& ranking);

struct Registration {
    SaveResult result = SaveResult::WriteFailed;
    int place = 0;   // 1 to 7 where the score was saved; 0 when it did not enter
    Ranking ranking; // the ranking as saved (or as it would have been)
};

// Registers one score as the entry window's OK does, and as kibbo-tool's
// "ranking add" does: under the data folder's lock the file is read afresh,
// the entry inserted and the file saved, so that programs registering at
// the same time never lose each other's scores. A score that does not beat
// the seventh place leaves the file untouched.
Registration RegisterScore(const std::string& path, std::int32_t score, std::u16string name);

// A name fits the ranking file when it has a Shift-JIS form and no line
// break, which would split it over two places.
bool IsStorableName(std::u16string_view name);

// The last-score file: the score of the last cleared game.
std::optional<std::int32_t> LoadLastScore(const std::string& path);
bool SaveLastScore(const std::string& path, std::int32_t score);

// Puts a new entry into its place: directly below the highest-placed entry
// with an equal score, otherwise above the first lower one. What falls off
// place 7 lands in the overflow slot. Returns the entry's place, 1 to 7, or
// 0 when it lands in the overflow slot or nowhere.
int InsertRankEntry(Ranking& ranking, std::int32_t score, std::u16string name);

} // namespace kibbo
