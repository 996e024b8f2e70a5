// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileStore.h"

#include "platform/FileIO.h"
#include "platform/FolderLock.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace kibbo {

namespace {

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

SaveOutcome Outcome(bool written, const std::string& path)
{
    return {written ? SaveResult::Saved : SaveResult::WriteFailed, path};
}

SaveOutcome WriteKeyPrefs(const PlayerFiles& files, const KeyPrefs& prefs)
{
    const FolderLock lock(files.folder);
    return Outcome(WriteFileAtomically(files.keyPrefs, FormatKeyPrefs(prefs)), files.keyPrefs);
}

SaveOutcome WriteOptions(const PlayerFiles& files, const std::function<void(Options&)>& change)
{
    // Read afresh under the lock, so that keys another program wrote in the
    // meantime are kept too.
    const FolderLock lock(files.folder);
    const Loaded<std::string> file = ReadSmallFile(files.options);
    // Keys that cannot be read cannot be kept.
    if (file.state == ReadState::Unreadable)
        return {SaveResult::NotReplaced, files.options};
    Options options = file.state == ReadState::Loaded ? ParseOptions(file.value) : Options{};
    change(options);
    return Outcome(WriteFileAtomically(files.options, FormatOptions(options)), files.options);
}

Registration WriteRegistration(const PlayerFiles& files, std::int32_t score, std::u16string name)
{
    Registration registration;
    registration.outcome.file = files.ranking;
    if (!IsStorableName(name)) {
        registration.outcome.result = SaveResult::NameNotStorable;
        return registration;
    }
    // Read, insert and save under one lock: a registration by another
    // program in between would otherwise be overwritten by this one's older
    // copy of the ranking.
    const FolderLock lock(files.folder);
    // A ranking that is there but cannot be read is not replaced by one
    // that knows nothing of its places.
    const Loaded<std::string> file = ReadSmallFile(files.ranking);
    if (file.state == ReadState::Unreadable) {
        registration.outcome.result = SaveResult::NotReplaced;
        return registration;
    }
    if (file.state == ReadState::Loaded)
        registration.ranking = ParseRanking(file.value).value;
    registration.place = InsertRankEntry(registration.ranking, score, std::move(name));
    if (registration.place == 0) {
        registration.outcome.result = SaveResult::Saved;
        return registration;
    }
    const std::optional<std::string> bytes = FormatRanking(registration.ranking);
    if (!bytes)
        registration.outcome.result = SaveResult::NameNotStorable;
    else
        registration.outcome = Outcome(WriteFileAtomically(files.ranking, *bytes), files.ranking);
    return registration;
}

SaveOutcome WriteLastScore(const PlayerFiles& files, std::int32_t score)
{
    const FolderLock lock(files.folder);
    return Outcome(WriteFileAtomically(files.lastScore, FormatLastScore(score)), files.lastScore);
}

SaveOutcome WriteGame(const PlayerFiles& files, const GameRecord& game)
{
    const std::string& path = files.history;
    // A line that would not read back would only be skipped later.
    if (ParseGameLine(FormatGameLine(game)) != game)
        return {SaveResult::WriteFailed, path};

    // Read, add and replace under one lock, so that two games ending at once
    // each find the other's line.
    const FolderLock lock(files.folder);
    const Loaded<std::string> file = ReadSmallFile(path, kHistoryFileLimit);
    std::vector<GameRecord> games;
    // Games that cannot be read now are not to be replaced by this one.
    if (file.state == ReadState::Unreadable)
        return {SaveResult::NotReplaced, path};
    if (file.state == ReadState::Loaded) {
        games = ParseHistory(file.value).value;
    } else if (file.state == ReadState::TooLarge) {
        // Not the game's file, and too large to sift here: it is kept aside
        // for whoever made it, and the history starts again.
        const std::string aside = path + ".damaged";
        if (std::rename(path.c_str(), aside.c_str()) != 0)
            return {SaveResult::WriteFailed, path};
    }
    games.push_back(game);
    return Outcome(WriteFileAtomically(path, FormatHistory(std::move(games))), path);
}

} // namespace

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size
           && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

FileStore::FileStore(PlayerFiles files, SaveRunner& runner)
    : m_files(std::move(files))
    , m_runner(runner)
{
}

template <class T>
Loaded<T> FileStore::cachedRead(const std::string& path, Cached<T>& cache, std::size_t limit,
                                const std::function<Loaded<T>(const std::string& bytes)>& parse)
{
    // Taken before the read: a file replaced in between looks changed at the
    // next read and is read again then.
    const std::optional<FileStamp> stamp = StampOf(path);
    if (stamp && cache.stamp == stamp)
        return cache.read;
    Loaded<std::string> file = ReadSmallFile(path, limit);
    ++cache.reads;
    cache.stamp = file.state == ReadState::Loaded ? stamp : std::nullopt;
    if (file.state == ReadState::Loaded)
        cache.read = parse(file.value);
    else
        cache.read = {T{}, file.state};
    return cache.read;
}

Loaded<KeyPrefs> FileStore::loadKeyPrefs(const KeyPrefs& current)
{
    const Loaded<std::string> bytes = cachedRead<std::string>(
        m_files.keyPrefs, m_keyPrefs, kSmallFileLimit,
        [](const std::string& read) { return Loaded<std::string>{read, ReadState::Loaded}; });
    if (bytes.state != ReadState::Loaded)
        return {current, bytes.state};
    if (m_keyPrefsParsedRead != m_keyPrefs.reads || m_keyPrefsBase != current) {
        m_keyPrefsParsed = {ParseKeyPrefs(bytes.value, current), ReadState::Loaded};
        m_keyPrefsBase = current;
        m_keyPrefsParsedRead = m_keyPrefs.reads;
    }
    return m_keyPrefsParsed;
}

Loaded<Options> FileStore::loadOptions()
{
    return cachedRead<Options>(m_files.options, m_options, kSmallFileLimit, [](const std::string& bytes) {
        return Loaded<Options>{ParseOptions(bytes), ReadState::Loaded};
    });
}

Loaded<Ranking> FileStore::loadRanking()
{
    Loaded<Ranking> read = cachedRead<Ranking>(m_files.ranking, m_ranking, kSmallFileLimit, ParseRanking);
    // Places that could not be read show as empty, as a damaged file's do.
    if (read.state == ReadState::TooLarge || read.state == ReadState::Unreadable)
        read.state = ReadState::Damaged;
    return read;
}

Loaded<std::int32_t> FileStore::loadLastScore()
{
    return cachedRead<std::int32_t>(m_files.lastScore, m_lastScore, kSmallFileLimit, [](const std::string& bytes) {
        const std::optional<std::int32_t> score = ParseLastScore(bytes);
        return Loaded<std::int32_t>{score.value_or(0), score ? ReadState::Loaded : ReadState::Damaged};
    });
}

Loaded<std::vector<GameRecord>> FileStore::loadHistory()
{
    return cachedRead<std::vector<GameRecord>>(m_files.history, m_history, kHistoryFileLimit, ParseHistory);
}

Loaded<std::vector<GameRecord>> FileStore::loadRecentGames()
{
    return cachedRead<std::vector<GameRecord>>(m_files.history, m_recentGames, kHistoryFileLimit, ParseRecentHistory);
}

template <class Result>
void FileStore::submit(std::function<Result()> work, Completion<Result> done)
{
    auto result = std::make_shared<Result>();
    m_runner.run([result, work = std::move(work)] { *result = work(); },
                 [result, done = std::move(done)] {
                     if (done)
                         done(std::move(*result));
                 });
}

void FileStore::saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>([files = m_files, prefs] { return WriteKeyPrefs(files, prefs); }, std::move(done));
}

void FileStore::saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>([files = m_files, change = std::move(change)] { return WriteOptions(files, change); },
                        std::move(done));
}

void FileStore::registerScore(std::int32_t score, std::u16string name, Completion<Registration> done)
{
    submit<Registration>(
        [files = m_files, score, name = std::move(name)] { return WriteRegistration(files, score, name); },
        std::move(done));
}

void FileStore::saveLastScore(std::int32_t score, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>([files = m_files, score] { return WriteLastScore(files, score); }, std::move(done));
}

void FileStore::appendGame(GameRecord game, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>([files = m_files, game = std::move(game)] { return WriteGame(files, game); }, std::move(done));
}

void FileStore::afterSaves(std::function<void()> then)
{
    m_runner.run([] {}, std::move(then));
}

// The work handed to the runner holds its own copy of the file names, so
// that a save still on its way never depends on the store that asked for it.
SaveOutcome FileStore::writeKeyPrefs(const KeyPrefs& prefs) const
{
    return WriteKeyPrefs(m_files, prefs);
}

SaveOutcome FileStore::writeOptions(const std::function<void(Options&)>& change) const
{
    return WriteOptions(m_files, change);
}

Registration FileStore::writeRegistration(std::int32_t score, std::u16string name) const
{
    return WriteRegistration(m_files, score, std::move(name));
}

SaveOutcome FileStore::writeLastScore(std::int32_t score) const
{
    return WriteLastScore(m_files, score);
}

SaveOutcome FileStore::writeGame(const GameRecord& game) const
{
    return WriteGame(m_files, game);
}

} // namespace kibbo
