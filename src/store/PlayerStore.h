// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"
#include "prefs/KeyPrefs.h"
#include "prefs/Options.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kibbo {

enum class SaveResult {
    Saved,
    WriteFailed,     // the disk refused (full, quota, size limit, I/O error, folder gone); the old file is whole
    NameNotStorable, // a ranking name the file cannot hold
    NotReplaced,     // the file is there but unreadable, so a save keeping part of it would lose the rest
};

// How a save went, which file it was about and, when the system refused,
// its reason (errno), for the message.
struct SaveOutcome {
    SaveResult result = SaveResult::WriteFailed;
    std::string file;
    int error = 0;

    bool saved() const { return result == SaveResult::Saved; }
};

// A registered score: how the save went, the place it took (1 to 7, 0 when it
// did not enter) and the ranking as saved or as it would have been.
struct Registration {
    SaveOutcome outcome;
    int place = 0;
    Ranking ranking;
};

// What was read of the player's files; nothing for a file not read (or, when
// looking again, unchanged since it was last read).
struct FileReads {
    // The bytes: they are parsed over the spellings in use, since a slot the
    // file cannot supply keeps the value it has.
    std::optional<Loaded<std::string>> keyPrefs;
    std::optional<Loaded<Options>> options;
    std::optional<Loaded<Ranking>> ranking;
    std::optional<Loaded<Ranking>> kanaRanking;
    std::optional<Loaded<std::int32_t>> lastScore;
    // The latest kRecentGames of the history.
    std::optional<Loaded<std::vector<GameRecord>>> recentGames;
};

template <class Result>
using Completion = std::function<void(Result)>;

// The player's files: the spellings, the options, the rankings (romaji and
// kana), the last score and the history, on the disk. Nothing here makes the caller wait:
// every read and save is handed on in the order asked, and its completion is
// called with the result later, on the caller's thread (or at once, where
// the store works synchronously).
class PlayerStore {
public:
    virtual ~PlayerStore() = default;

    // Every file.
    virtual void readAll(Completion<FileReads> done) = 0;
    // The files that changed since they were last read here.
    virtual void lookAgain(Completion<FileReads> done) = 0;
    // The ranking of games typed on that input; places that cannot be read
    // are empty.
    virtual void readRanking(Input input, Completion<Loaded<Ranking>> done) = 0;
    // Oldest first; damaged lines are left out and counted.
    virtual void readHistory(Completion<Loaded<std::vector<GameRecord>>> done) = 0;
    // Calls changed, on the caller's thread, whenever another program may
    // have changed a file; nothing where the store cannot tell.
    virtual void watch(std::function<void()> changed) = 0;

    virtual void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) = 0;
    // The options as the file holds them when the save runs, changed by
    // `change`: keys the change leaves alone, and keys this version does not
    // know, stay as they are, even when another program wrote them since.
    virtual void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) = 0;
    // The ranking is read afresh, the score inserted and the file saved, in
    // one step that no other program's registration can come between.
    virtual void registerScore(Input input, std::int32_t score, std::u16string name,
                               Completion<Registration> done) = 0;
    virtual void saveLastScore(std::int32_t score, Completion<SaveOutcome> done) = 0;
    virtual void appendGame(GameRecord game, Completion<SaveOutcome> done) = 0;

    // Calls then once everything asked for so far has finished and its
    // completion has run.
    virtual void afterSaves(std::function<void()> then) = 0;
};

} // namespace kibbo
