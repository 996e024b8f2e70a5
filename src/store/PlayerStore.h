// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"
#include "prefs/KeyPrefs.h"
#include "prefs/Options.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kibbo {

enum class SaveResult {
    Saved,
    WriteFailed,     // the disk refused (full, quota, size limit, I/O error, folder gone); the old file is whole
    NameNotStorable, // a ranking name the file cannot hold
    NotReplaced,     // the file is there but unreadable, so a save keeping part of it would lose the rest
};

// How a save went, and which file it was about, for the message.
struct SaveOutcome {
    SaveResult result = SaveResult::WriteFailed;
    std::string file;

    bool saved() const { return result == SaveResult::Saved; }
};

// A registered score: how the save went, the place it took (1 to 7, 0 when it
// did not enter) and the ranking as saved or as it would have been.
struct Registration {
    SaveOutcome outcome;
    int place = 0;
    Ranking ranking;
};

template <class Result>
using Completion = std::function<void(Result)>;

// The player's files: the spellings, the options, the ranking, the last
// score and the history. The game, its windows and kibbo-tool reach them
// only through this.
//
// Reads answer at once. Saves never make the caller wait: each is handed on
// in the order asked, and its completion is called with the result later, on
// the caller's thread (or at once, where the store saves synchronously).
class PlayerStore {
public:
    virtual ~PlayerStore() = default;

    // The spellings over `current`: a slot the file cannot supply (file
    // missing, too short, a field that is no number or does not fit 16 bits)
    // keeps the value it has there.
    virtual Loaded<KeyPrefs> loadKeyPrefs(const KeyPrefs& current) = 0;
    // Every option off where the file cannot say.
    virtual Loaded<Options> loadOptions() = 0;
    // Places that cannot be read are empty.
    virtual Loaded<Ranking> loadRanking() = 0;
    virtual Loaded<std::int32_t> loadLastScore() = 0;
    // Oldest first; damaged lines are left out and counted.
    virtual Loaded<std::vector<GameRecord>> loadHistory() = 0;
    // The latest kRecentGames of them, at the cost of those alone.
    virtual Loaded<std::vector<GameRecord>> loadRecentGames() = 0;

    virtual void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) = 0;
    // The options as the file holds them when the save runs, changed by
    // `change`: keys the change leaves alone, and keys this version does not
    // know, stay as they are, even when another program wrote them since.
    virtual void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) = 0;
    // The ranking is read afresh, the score inserted and the file saved, in
    // one step that no other program's registration can come between.
    virtual void registerScore(std::int32_t score, std::u16string name, Completion<Registration> done) = 0;
    virtual void saveLastScore(std::int32_t score, Completion<SaveOutcome> done) = 0;
    virtual void appendGame(GameRecord game, Completion<SaveOutcome> done) = 0;

    // Calls then once every save asked for so far has finished and its
    // completion has run.
    virtual void afterSaves(std::function<void()> then) = 0;
};

} // namespace kibbo
