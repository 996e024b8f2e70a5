// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlayerFiles.h"
#include "store/PlayerStore.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

namespace kibbo {

// Where a file store's saves are written: work is one save, run on the
// runner's thread in the order handed over; deliver hands its result to the
// caller afterwards, on the caller's thread.
class SaveRunner {
public:
    virtual ~SaveRunner() = default;
    virtual void run(std::function<void()> work, std::function<void()> deliver) = 0;
};

// Runs each save at once and delivers its result before returning: for a
// command-line program, which has nothing to draw meanwhile.
class RunAtOnce final : public SaveRunner {
public:
    void run(std::function<void()> work, std::function<void()> deliver) override
    {
        work();
        deliver();
    }
};

// What stat says of a file: when all of it is as at the last read, the file
// is the same and need not be read again. A save replaces the file by
// another (a new inode), so it never looks unchanged.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const;
};

// The player's files in one data folder. Every save holds the folder's lock
// and replaces its file in one step (WriteFileAtomically), so that programs
// on the same folder take turns and a crash leaves the old file whole.
//
// The load* functions and the store's cache belong to the thread that made
// the store; the write* functions read afresh and may run on any thread.
class FileStore final : public PlayerStore {
public:
    FileStore(PlayerFiles files, SaveRunner& runner);

    const PlayerFiles& files() const { return m_files; }
    // How often a file was actually read and parsed, not taken from the
    // cache: for the tests of the cache.
    int spellingsReads() const { return m_keyPrefs.reads; }

    Loaded<KeyPrefs> loadKeyPrefs(const KeyPrefs& current) override;
    Loaded<Options> loadOptions() override;
    Loaded<Ranking> loadRanking() override;
    Loaded<std::int32_t> loadLastScore() override;
    Loaded<std::vector<GameRecord>> loadHistory() override;
    Loaded<std::vector<GameRecord>> loadRecentGames() override;

    void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) override;
    void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) override;
    void registerScore(std::int32_t score, std::u16string name, Completion<Registration> done) override;
    void saveLastScore(std::int32_t score, Completion<SaveOutcome> done) override;
    void appendGame(GameRecord game, Completion<SaveOutcome> done) override;
    void afterSaves(std::function<void()> then) override;

    // The saves themselves, each waiting until the disk has the file.
    SaveOutcome writeKeyPrefs(const KeyPrefs& prefs) const;
    SaveOutcome writeOptions(const std::function<void(Options&)>& change) const;
    Registration writeRegistration(std::int32_t score, std::u16string name) const;
    SaveOutcome writeLastScore(std::int32_t score) const;
    // A file beyond kHistoryFileLimit is moved aside to "<history>.damaged"
    // (replacing an earlier one) and a fresh file begins with this game. A
    // record that would not read back (a malformed time or key) is not saved.
    SaveOutcome writeGame(const GameRecord& game) const;

private:
    // The last read of one file, kept while the file stays as it was.
    template <class T>
    struct Cached {
        std::optional<FileStamp> stamp;
        Loaded<T> read;
        int reads = 0; // how often the file was read and parsed
    };

    template <class T>
    Loaded<T> cachedRead(const std::string& path, Cached<T>& cache, std::size_t limit,
                         const std::function<Loaded<T>(const std::string& bytes)>& parse);
    template <class Result>
    void submit(std::function<Result()> work, Completion<Result> done);

    PlayerFiles m_files;
    SaveRunner& m_runner;
    // The spellings' bytes, and what they gave over the caller's last
    // spellings: the same bytes over the same spellings give the same.
    Cached<std::string> m_keyPrefs;
    int m_keyPrefsParsedRead = -1;
    KeyPrefs m_keyPrefsBase{};
    Loaded<KeyPrefs> m_keyPrefsParsed;
    Cached<Options> m_options;
    Cached<Ranking> m_ranking;
    Cached<std::int32_t> m_lastScore;
    Cached<std::vector<GameRecord>> m_history;
    Cached<std::vector<GameRecord>> m_recentGames;
};

} // namespace kibbo
