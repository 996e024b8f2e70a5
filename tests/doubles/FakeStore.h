// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/PlayerStore.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace kibbo::test {

// The player's files in memory. Saves finish at once unless held, when they
// wait until the test runs them; failSaves makes every save fail as on a
// full disk, leaving the files as they were.
class FakeStore final : public PlayerStore {
public:
    // What the files hold; an empty optional is a missing file.
    std::optional<KeyPrefs> keyPrefs;
    std::optional<Options> options;
    Loaded<Ranking> ranking;
    std::optional<std::int32_t> lastScore;
    std::vector<GameRecord> history;

    bool failSaves = false;
    bool holdSaves = false;
    int keyPrefsReads = 0;

    // Runs every held save in the order asked, with its completion.
    void runHeld()
    {
        while (!m_held.empty()) {
            std::vector<std::function<void()>> now = std::move(m_held);
            m_held.clear();
            for (auto& save : now)
                save();
        }
    }
    std::size_t heldSaves() const { return m_held.size(); }

    Loaded<KeyPrefs> loadKeyPrefs(const KeyPrefs& current) override
    {
        ++keyPrefsReads;
        if (!keyPrefs)
            return {current, ReadState::Missing};
        return {*keyPrefs, ReadState::Loaded};
    }
    Loaded<Options> loadOptions() override
    {
        return options ? Loaded<Options>{*options, ReadState::Loaded} : Loaded<Options>{};
    }
    Loaded<Ranking> loadRanking() override { return ranking; }
    Loaded<std::int32_t> loadLastScore() override
    {
        return lastScore ? Loaded<std::int32_t>{*lastScore, ReadState::Loaded} : Loaded<std::int32_t>{};
    }
    Loaded<std::vector<GameRecord>> loadHistory() override
    {
        return {history, history.empty() ? ReadState::Missing : ReadState::Loaded};
    }

    Loaded<std::vector<GameRecord>> loadRecentGames() override
    {
        Loaded<std::vector<GameRecord>> read = loadHistory();
        read.value = RecentGames(read.value);
        return read;
    }

    void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) override
    {
        save("key.ini", [this, prefs] { keyPrefs = prefs; }, std::move(done));
    }
    void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) override
    {
        save("options.ini", [this, change = std::move(change)] {
            Options changed = options.value_or(Options{});
            change(changed);
            options = changed;
        }, std::move(done));
    }
    void registerScore(std::int32_t score, std::u16string name, Completion<Registration> done) override
    {
        later([this, score, name = std::move(name), done = std::move(done)]() mutable {
            Registration registration;
            registration.outcome = {failSaves ? SaveResult::WriteFailed : SaveResult::Saved, "score.kib"};
            registration.ranking = ranking.value;
            registration.place = InsertRankEntry(registration.ranking, score, std::move(name));
            if (!failSaves && registration.place > 0)
                ranking = {registration.ranking, ReadState::Loaded};
            if (done)
                done(std::move(registration));
        });
    }
    void saveLastScore(std::int32_t score, Completion<SaveOutcome> done) override
    {
        save("score.dat", [this, score] { lastScore = score; }, std::move(done));
    }
    void appendGame(GameRecord game, Completion<SaveOutcome> done) override
    {
        save("history.csv", [this, game = std::move(game)] { history.push_back(game); }, std::move(done));
    }
    void afterSaves(std::function<void()> then) override { later(std::move(then)); }

private:
    void later(std::function<void()> step)
    {
        if (holdSaves)
            m_held.push_back(std::move(step));
        else
            step();
    }
    void save(const char* file, std::function<void()> change, Completion<SaveOutcome> done)
    {
        later([this, file, change = std::move(change), done = std::move(done)] {
            if (!failSaves)
                change();
            if (done)
                done({failSaves ? SaveResult::WriteFailed : SaveResult::Saved, file});
        });
    }

    std::vector<std::function<void()>> m_held;
};

} // namespace kibbo::test
