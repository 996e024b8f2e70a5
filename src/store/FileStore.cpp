// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileStore.h"

#include "platform/FileIO.h"
#include "platform/FolderLock.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
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

SaveOutcome Outcome(WriteResult written, const std::string& path)
{
    return {written ? SaveResult::Saved : SaveResult::WriteFailed, path, written.error};
}

// A file that is there but cannot be read, so a save keeping part of it
// would lose the rest.
SaveOutcome NotReplaced(const std::string& path, const Loaded<std::string>& file)
{
    return {SaveResult::NotReplaced, path, file.error};
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
        return NotReplaced(files.options, file);
    Options options = file.state == ReadState::Loaded ? ParseOptions(file.value) : Options{};
    change(options);
    return Outcome(WriteFileAtomically(files.options, FormatOptions(options)), files.options);
}

const std::string& RankingFile(const PlayerFiles& files, Input input)
{
    return input == Input::Kana ? files.kanaRanking : files.ranking;
}

Registration WriteRegistration(const PlayerFiles& files, Input input, std::int32_t score, std::u16string name)
{
    const std::string& path = RankingFile(files, input);
    Registration registration;
    registration.outcome.file = path;
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
    const Loaded<std::string> file = ReadSmallFile(path);
    if (file.state == ReadState::Unreadable) {
        registration.outcome = NotReplaced(path, file);
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
        registration.outcome = Outcome(WriteFileAtomically(path, *bytes), path);
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
        return NotReplaced(path, file);
    if (file.state == ReadState::Loaded) {
        games = ParseHistory(file.value).value;
    } else if (file.state == ReadState::TooLarge) {
        // Not the game's file, and too large to sift here: it is kept aside
        // for whoever made it, and the history starts again.
        const std::string aside = path + ".damaged";
        if (std::rename(path.c_str(), aside.c_str()) != 0)
            return {SaveResult::WriteFailed, path, errno};
    }
    games.push_back(game);
    return Outcome(WriteFileAtomically(path, FormatHistory(std::move(games))), path);
}

// A read of one file: what could not be read comes back empty, with why.
template <class T>
Loaded<T> Read(const std::string& path, std::size_t limit, const std::function<Loaded<T>(const std::string&)>& parse)
{
    Loaded<std::string> file = ReadSmallFile(path, limit);
    if (file.state != ReadState::Loaded)
        return {T{}, file.state, 0, file.error};
    return parse(file.value);
}

Loaded<std::string> ReadKeyPrefBytes(const PlayerFiles& files)
{
    return ReadSmallFile(files.keyPrefs);
}

Loaded<Options> ReadOptions(const PlayerFiles& files)
{
    return Read<Options>(files.options, kSmallFileLimit, [](const std::string& bytes) {
        return Loaded<Options>{ParseOptions(bytes), ReadState::Loaded};
    });
}

Loaded<Ranking> ReadRanking(const PlayerFiles& files, Input input)
{
    return Read<Ranking>(RankingFile(files, input), kSmallFileLimit, ParseRanking);
}

Loaded<std::int32_t> ReadLastScore(const PlayerFiles& files)
{
    return Read<std::int32_t>(files.lastScore, kSmallFileLimit, [](const std::string& bytes) {
        const std::optional<std::int32_t> score = ParseLastScore(bytes);
        return Loaded<std::int32_t>{score.value_or(0), score ? ReadState::Loaded : ReadState::Damaged};
    });
}

Loaded<std::vector<GameRecord>> ReadHistory(const PlayerFiles& files)
{
    return Read<std::vector<GameRecord>>(files.history, kHistoryFileLimit, ParseHistory);
}

Loaded<std::vector<GameRecord>> ReadRecentGames(const PlayerFiles& files)
{
    return Read<std::vector<GameRecord>>(files.history, kHistoryFileLimit, ParseRecentHistory);
}

} // namespace

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size
           && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

// Each file's stamp as last read; an unknown one is read at the next look.
struct FileStore::Seen {
    enum File { KeyPrefs, Options, Ranking, KanaRanking, LastScore, History, Count };
    struct Stamp {
        bool known = false;
        std::optional<FileStamp> stamp; // none for a file that was not there
    };
    std::array<Stamp, Count> files;

    // Whether the file changed since it was last read, and from now on
    // known as it is. Taken before the read: a file replaced in between
    // looks changed at the next look and is read again then.
    bool changed(File file, const std::string& path, bool always)
    {
        Stamp& seen = files[file];
        const std::optional<FileStamp> now = StampOf(path);
        const bool changed = always || !seen.known || seen.stamp != now;
        seen = {true, now};
        return changed;
    }
    // A save ended: what is there now, the save or the file it left, is
    // read at the next look.
    void forget(File file) { files[file].known = false; }
};

FileStore::FileStore(PlayerFiles files, DiskRunner& runner)
    : m_files(std::move(files))
    , m_runner(runner)
    , m_seen(std::make_shared<Seen>())
{
}

namespace {

FileReads ReadChanged(const PlayerFiles& files, FileStore::Seen& seen, bool all)
{
    using File = FileStore::Seen::File;
    FileReads reads;
    if (seen.changed(File::KeyPrefs, files.keyPrefs, all))
        reads.keyPrefs = ReadKeyPrefBytes(files);
    if (seen.changed(File::Options, files.options, all))
        reads.options = ReadOptions(files);
    if (seen.changed(File::Ranking, files.ranking, all))
        reads.ranking = ReadRanking(files, Input::Romaji);
    if (seen.changed(File::KanaRanking, files.kanaRanking, all))
        reads.kanaRanking = ReadRanking(files, Input::Kana);
    if (seen.changed(File::LastScore, files.lastScore, all))
        reads.lastScore = ReadLastScore(files);
    if (seen.changed(File::History, files.history, all))
        reads.recentGames = ReadRecentGames(files);
    return reads;
}

} // namespace

// The work handed to the runner holds its own copy of the file names, so
// that work still on its way never depends on the store that asked for it.
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

void FileStore::readAll(Completion<FileReads> done)
{
    submit<FileReads>([files = m_files, seen = m_seen] { return ReadChanged(files, *seen, true); }, std::move(done));
}

void FileStore::lookAgain(Completion<FileReads> done)
{
    submit<FileReads>([files = m_files, seen = m_seen] { return ReadChanged(files, *seen, false); }, std::move(done));
}

void FileStore::readRanking(Input input, Completion<Loaded<Ranking>> done)
{
    submit<Loaded<Ranking>>([files = m_files, input] { return ReadRanking(files, input); }, std::move(done));
}

void FileStore::readHistory(Completion<Loaded<std::vector<GameRecord>>> done)
{
    submit<Loaded<std::vector<GameRecord>>>([files = m_files] { return ReadHistory(files); }, std::move(done));
}

void FileStore::watch(std::function<void()> changed)
{
    m_runner.watch({m_files.folder, m_files.keyPrefs, m_files.options, m_files.ranking, m_files.kanaRanking,
                    m_files.lastScore, m_files.history},
                   std::move(changed));
}

void FileStore::saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>(
        [files = m_files, seen = m_seen, prefs] {
            seen->forget(Seen::KeyPrefs);
            return WriteKeyPrefs(files, prefs);
        },
        std::move(done));
}

void FileStore::saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>(
        [files = m_files, seen = m_seen, change = std::move(change)] {
            seen->forget(Seen::Options);
            return WriteOptions(files, change);
        },
        std::move(done));
}

void FileStore::registerScore(Input input, std::int32_t score, std::u16string name, Completion<Registration> done)
{
    submit<Registration>(
        [files = m_files, seen = m_seen, input, score, name = std::move(name)] {
            seen->forget(input == Input::Kana ? Seen::KanaRanking : Seen::Ranking);
            return WriteRegistration(files, input, score, name);
        },
        std::move(done));
}

void FileStore::saveLastScore(std::int32_t score, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>(
        [files = m_files, seen = m_seen, score] {
            seen->forget(Seen::LastScore);
            return WriteLastScore(files, score);
        },
        std::move(done));
}

void FileStore::appendGame(GameRecord game, Completion<SaveOutcome> done)
{
    submit<SaveOutcome>(
        [files = m_files, seen = m_seen, game = std::move(game)] {
            seen->forget(Seen::History);
            return WriteGame(files, game);
        },
        std::move(done));
}

void FileStore::afterSaves(std::function<void()> then)
{
    m_runner.run([] {}, std::move(then));
}

Loaded<KeyPrefs> FileStore::readKeyPrefs(const KeyPrefs& current) const
{
    const Loaded<std::string> bytes = ReadKeyPrefBytes(m_files);
    if (bytes.state != ReadState::Loaded)
        return {current, bytes.state, 0, bytes.error};
    return {ParseKeyPrefs(bytes.value, current), ReadState::Loaded};
}

Loaded<Options> FileStore::readOptions() const
{
    return ReadOptions(m_files);
}

Loaded<Ranking> FileStore::readRanking(Input input) const
{
    return ReadRanking(m_files, input);
}

Loaded<std::int32_t> FileStore::readLastScore() const
{
    return ReadLastScore(m_files);
}

Loaded<std::vector<GameRecord>> FileStore::readHistory() const
{
    return ReadHistory(m_files);
}

Loaded<std::vector<GameRecord>> FileStore::readRecentGames() const
{
    return ReadRecentGames(m_files);
}

SaveOutcome FileStore::writeKeyPrefs(const KeyPrefs& prefs) const
{
    return WriteKeyPrefs(m_files, prefs);
}

SaveOutcome FileStore::writeOptions(const std::function<void(Options&)>& change) const
{
    return WriteOptions(m_files, change);
}

Registration FileStore::writeRegistration(std::int32_t score, std::u16string name, Input input) const
{
    return WriteRegistration(m_files, input, score, std::move(name));
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
