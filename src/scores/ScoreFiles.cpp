// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFiles.h"

#include "platform/FileIO.h"
#include "platform/FolderLock.h"
#include "platform/PrintForm.h"
#include "platform/ShiftJis.h"

#include <limits>

namespace kibbo {

namespace {

std::optional<std::int32_t> ToScore(std::optional<std::int64_t> number)
{
    if (!number || *number < std::numeric_limits<std::int32_t>::min()
        || *number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

// Bytes that are no Shift-JIS decode to a mark the file cannot take back;
// read as "?", the name can still be saved again by whoever edits the ranking.
std::u16string ReadableName(std::string_view bytes, bool& damaged)
{
    std::u16string name = DecodeShiftJis(bytes);
    for (char16_t& c : name) {
        if (c == u'\uFFFD') {
            c = u'?';
            damaged = true;
        }
    }
    return name;
}

} // namespace

RankingRead ParseRanking(std::string_view bytes)
{
    RankingRead read;
    FieldReader reader(bytes);
    for (int i = 0; i < kRankPlaces; ++i) {
        const std::optional<std::int32_t> score = ToScore(reader.readNumber());
        const std::optional<std::string> name = reader.readLine();
        bool damaged = !score || !name;
        read.ranking.rankScore[i] = score.value_or(0);
        read.ranking.rankName[i] = name ? ReadableName(*name, damaged) : std::u16string();
        if (damaged)
            read.state = FileState::Damaged;
    }
    return read;
}

RankingRead LoadRanking(const std::string& path)
{
    const SmallFile file = ReadSmallFile(path);
    switch (file.state) {
    case SmallFile::State::Read:
        return ParseRanking(file.bytes);
    case SmallFile::State::TooLarge:
    case SmallFile::State::Unreadable:
        return {Ranking{}, FileState::Damaged};
    case SmallFile::State::Missing:
        break;
    }
    return {Ranking{}, FileState::Missing};
}

bool IsStorableName(std::u16string_view name)
{
    return name.find_first_of(u"\r\n") == std::u16string_view::npos && EncodeShiftJis(name).has_value();
}

std::optional<std::string> FormatRanking(const Ranking& ranking)
{
    std::string bytes;
    for (int i = 0; i < kRankPlaces; ++i) {
        if (!IsStorableName(ranking.rankName[i]))
            return std::nullopt;
        bytes += PrintNumberLine(ranking.rankScore[i]);
        bytes += *EncodeShiftJis(ranking.rankName[i]);
        bytes += "\r\n";
    }
    return bytes;
}

SaveResult SaveRanking(const std::string& path, const Ranking& ranking)
{
    // The same lock as a registration's, so that a whole replace never
    // lands in the middle of one.
    const FolderLock lock(FolderOf(path));
    const std::optional<std::string> bytes = FormatRanking(ranking);
    if (!bytes)
        return SaveResult::NameNotStorable;
    return WriteFileAtomically(path, *bytes) ? SaveResult::Saved : SaveResult::WriteFailed;
}

std::optional<std::int32_t> LoadLastScore(const std::string& path)
{
    const SmallFile file = ReadSmallFile(path);
    if (file.state != SmallFile::State::Read)
        return std::nullopt;
    FieldReader reader(file.bytes);
    return ToScore(reader.readNumber());
}

bool SaveLastScore(const std::string& path, std::int32_t score)
{
    const FolderLock lock(FolderOf(path));
    return WriteFileAtomically(path, PrintNumberLine(score));
}

Registration RegisterScore(const std::string& path, std::int32_t score, std::u16string name)
{
    Registration registration;
    if (!IsStorableName(name)) {
        registration.result = SaveResult::NameNotStorable;
        return registration;
    }
    // Read, insert and save under one lock: a registration by another
    // program in between would otherwise be overwritten by this one's older
    // copy of the ranking.
    const FolderLock lock(FolderOf(path));
    // A ranking that is there but cannot be read is not replaced by one
    // that knows nothing of its places.
    const SmallFile file = ReadSmallFile(path);
    if (file.state == SmallFile::State::Unreadable)
        return registration;
    if (file.state == SmallFile::State::Read)
        registration.ranking = ParseRanking(file.bytes).ranking;
    registration.place = InsertRankEntry(registration.ranking, score, std::move(name));
    if (registration.place == 0) {
        registration.result = SaveResult::Saved;
        return registration;
    }
    const std::optional<std::string> bytes = FormatRanking(registration.ranking);
    if (!bytes)
        registration.result = SaveResult::NameNotStorable;
    else
        registration.result = WriteFileAtomically(path, *bytes) ? SaveResult::Saved : SaveResult::WriteFailed;
    return registration;
}

int InsertRankEntry(Ranking& ranking, std::int32_t score, std::u16string name)
{
    auto& scores = ranking.rankScore;
    auto& names = ranking.rankName;
    for (int i = 0; i < kRankPlaces; ++i) {
        if (scores[i] != score && scores[i] >= score)
            continue;
        // Equal scores: the newcomer goes directly below the one already there.
        const int at = scores[i] == score ? i + 1 : i;
        for (int j = kRankPlaces; j > at; --j) {
            scores[j] = scores[j - 1];
            names[j] = std::move(names[j - 1]);
        }
        scores[at] = score;
        names[at] = std::move(name);
        return at < kRankPlaces ? at + 1 : 0;
    }
    return 0;
}

} // namespace kibbo
