// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/PlayerData.h"
#include "store/PlayerStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kibbo {

// Keeps the player's data in memory, on the thread that made it, current
// with the disk, which only the store reaches. Changes the game makes itself
// are in memory at once and saved in the order made; a change another
// program makes lands once the store has read it, on a look (after every dog)
// or when the store's watch reports it. A file with a save of the game's own
// on its way is taken from the disk again once the save is done, so that a
// failed save leaves memory as the disk is.
class DataKeeper {
public:
    explicit DataKeeper(PlayerStore& store);
    DataKeeper(const DataKeeper&) = delete;
    DataKeeper& operator=(const DataKeeper&) = delete;

    const PlayerData& data() const { return m_data; }
    // Reads every file and starts watching them. The data is there once the
    // store has delivered; a program waits for that at start-up.
    void load();
    // Reads the files changed since their last read.
    void lookAgain();
    // Called after every change of the data in memory.
    std::function<void()> changed;

    // The game's own changes.
    void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done);
    void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done);
    void registerScore(Input input, std::int32_t score, std::u16string name, Completion<Registration> done);
    void saveLastScore(std::int32_t score, Completion<SaveOutcome> done);
    void appendGame(GameRecord game, Completion<SaveOutcome> done);

    // Reads beside the window of what memory does not hold whole.
    void readRanking(Input input, Completion<Loaded<Ranking>> done);
    void readHistory(Completion<Loaded<std::vector<GameRecord>>> done);
    // Calls then once everything asked for so far is done.
    void afterSaves(std::function<void()> then);

private:
    // Wraps a step that touches this keeper, so that a result arriving
    // after it is gone is dropped.
    template <class Result>
    Completion<Result> mine(std::function<void(DataKeeper&, Result&)> step, Completion<Result> done);
    void take(const FileReads& reads);
    void looked(const FileReads& reads);
    void notify();

    PlayerStore& m_store;
    PlayerData m_data;
    std::shared_ptr<DataKeeper*> m_self;
    // Saves of each settings file on their way: a read that may have come
    // before them is not taken.
    int m_keyPrefsSaves = 0;
    int m_optionsSaves = 0;
    bool m_looking = false;    // a look on its way
    bool m_lookAgain = false;  // and another one wanted after it
};

} // namespace kibbo
