// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlayerFiles.h"
#include "store/PlayerStore.h"

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace kibbo {

// Where a file store's reads and saves run: work is one of them, run on the
// runner's thread in the order handed over; deliver hands its result to the
// caller afterwards, on the caller's thread.
class DiskRunner {
public:
    virtual ~DiskRunner() = default;
    virtual void run(std::function<void()> work, std::function<void()> deliver) = 0;
    // Calls changed on the caller's thread whenever one of paths (files, or
    // the folder they lie in) may have changed; nothing where the runner
    // cannot watch.
    virtual void watch(std::vector<std::string> paths, std::function<void()> changed) = 0;
};

// Runs each read and save at once and delivers its result before returning:
// for a command-line program, which has nothing to draw meanwhile.
class RunAtOnce final : public DiskRunner {
public:
    void run(std::function<void()> work, std::function<void()> deliver) override
    {
        work();
        deliver();
    }
    void watch(std::vector<std::string>, std::function<void()>) override {}
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
// The read* and write* functions do the work at once and may run on any
// thread; the PlayerStore functions hand it to the runner.
class FileStore final : public PlayerStore {
public:
    FileStore(PlayerFiles files, DiskRunner& runner);

    const PlayerFiles& files() const { return m_files; }

    void readAll(Completion<FileReads> done) override;
    void lookAgain(Completion<FileReads> done) override;
    void readRanking(Input input, Completion<Loaded<Ranking>> done) override;
    void readHistory(Completion<Loaded<std::vector<GameRecord>>> done) override;
    void watch(std::function<void()> changed) override;

    void saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done) override;
    void saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done) override;
    void registerScore(Input input, std::int32_t score, std::u16string name, Completion<Registration> done) override;
    void saveLastScore(std::int32_t score, Completion<SaveOutcome> done) override;
    void appendGame(GameRecord game, Completion<SaveOutcome> done) override;
    void afterSaves(std::function<void()> then) override;

    // The spellings over `current`: a slot the file cannot supply (file
    // missing, too short, a field that is no number or does not fit 16 bits)
    // keeps the value it has there.
    Loaded<KeyPrefs> readKeyPrefs(const KeyPrefs& current) const;
    // Every option off where the file cannot say.
    Loaded<Options> readOptions() const;
    Loaded<Ranking> readRanking(Input input = Input::Romaji) const;
    Loaded<std::int32_t> readLastScore() const;
    Loaded<std::vector<GameRecord>> readHistory() const;
    // The latest kRecentGames of them, at the cost of those alone.
    Loaded<std::vector<GameRecord>> readRecentGames() const;

    // The saves themselves, each waiting until the disk has the file.
    SaveOutcome writeKeyPrefs(const KeyPrefs& prefs) const;
    SaveOutcome writeOptions(const std::function<void(Options&)>& change) const;
    Registration writeRegistration(std::int32_t score, std::u16string name, Input input = Input::Romaji) const;
    SaveOutcome writeLastScore(std::int32_t score) const;
    // A file beyond kHistoryFileLimit is moved aside to "<history>.damaged"
    // (replacing an earlier one) and a fresh file begins with this game. A
    // record that would not read back (a malformed time or key) is not saved.
    SaveOutcome writeGame(const GameRecord& game) const;

    struct Seen;

private:
    template <class Result>
    void submit(std::function<Result()> work, Completion<Result> done);
    template <class Result>
    void save(std::function<Result()> work, Completion<Result> done);

    PlayerFiles m_files;
    DiskRunner& m_runner;
    // The files as the runner last read them; only its work touches this.
    std::shared_ptr<Seen> m_seen;
};

} // namespace kibbo
