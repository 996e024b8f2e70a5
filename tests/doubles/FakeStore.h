// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/PlayerStore.h"

#include <cerrno>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace kibbo::test {

// The player's files in memory. Reads and saves finish at once unless held,
// when they wait until the test runs them; failSaves makes every save fail
// as on a full disk, leaving the files as they were. A look reads every
// file, changed or not.
class FakeStore final : public PlayerStore {
public:
    // What the files hold; an empty optional is a missing file.
    std::optional<KeyPrefs> keyPrefs;
    std::optional<Options> options;
    Loaded<Ranking> ranking;
    Loaded<Ranking> kanaRanking;
    std::optional<std::int32_t> lastScore;
    std::vector<GameRecord> history;

    bool failSaves = false;
    bool holdSaves = false;
    int looks = 0;
    // What the store's watch would call on a change.
    std::function<void()> changed;

    // Runs every held step in the order asked, with its completion.
    void runHeld()
    {
        while (!m_held.empty()) {
            std::vector<std::function<void()>> now = std::move(m_held);
            m_held.clear();
            for (auto& step : now)
                step();
        }
    }
    std::size_t heldSaves() const { return m_held.size(); }

    FileReads reads() const
    {
        FileReads all;
        all.keyPrefs = keyPrefs ? Loaded<std::string>{FormatKeyPrefs(*keyPrefs), ReadState::Loaded}
                                : Loaded<std::string>{};
        all.options = options ? Loaded<Options>{*options, ReadState::Loaded} : Loaded<Options>{};
        all.ranking = ranking;
        all.kanaRanking = kanaRanking;
        all.lastScore = lastScore ? Loaded<std::int32_t>{*lastScore, ReadState::Loaded} : Loaded<std::int32_t>{};
        // The latest kRecentGames of each input, as the file store reads them.
        std::vector<GameRecord> recent;
        std::size_t romaji = 0, kana = 0;
        for (auto game = history.rbegin(); game != history.rend(); ++game) {
            if (++(InputOf(game->mode) == Input::Kana ? kana : romaji) <= kRecentGames)
                recent.insert(recent.begin(), *game);
        }
        all.recentGames = Loaded<std::vector<GameRecord>>{recent, ReadState::Loaded};
        return all;
    }

    void readAll(Completion<FileReads> done) override
    {
        later([this, done = std::move(done)] { if (done) done(reads()); });
    }
    void lookAgain(Completion<FileReads> done) override
    {
        ++looks;
        later([this, done = std::move(done)] { if (done) done(reads()); });
    }
    Loaded<Ranking>& rankingOf(Input input) { return input == Input::Kana ? kanaRanking : ranking; }
    void readRanking(Input input, Completion<Loaded<Ranking>> done) override
    {
        later([this, input, done = std::move(done)] { if (done) done(rankingOf(input)); });
    }
    void readHistory(Completion<Loaded<std::vector<GameRecord>>> done) override
    {
        later([this, done = std::move(done)] {
            if (done)
                done({history, history.empty() ? ReadState::Missing : ReadState::Loaded});
        });
    }
    void watch(std::function<void()> onChange) override { changed = std::move(onChange); }

    void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) override
    {
        save("key.ini", [this, prefs] { keyPrefs = prefs; }, std::move(done));
    }
    void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) override
    {
        save("options.ini", [this, change = std::move(change)] {
            Options edited = options.value_or(Options{});
            change(edited);
            options = edited;
        }, std::move(done));
    }
    void registerScore(Input input, std::int32_t score, std::u16string name, Completion<Registration> done) override
    {
        later([this, input, score, name = std::move(name), done = std::move(done)]() mutable {
            Registration registration;
            registration.outcome = {failSaves ? SaveResult::WriteFailed : SaveResult::Saved,
                                    input == Input::Kana ? "score-kana.kib" : "score.kib"};
            registration.ranking = rankingOf(input).value;
            registration.place = InsertRankEntry(registration.ranking, score, std::move(name));
            if (!failSaves && registration.place > 0)
                rankingOf(input) = {registration.ranking, ReadState::Loaded};
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
                done({failSaves ? SaveResult::WriteFailed : SaveResult::Saved, file, failSaves ? ENOSPC : 0});
        });
    }

    std::vector<std::function<void()>> m_held;
};

} // namespace kibbo::test
