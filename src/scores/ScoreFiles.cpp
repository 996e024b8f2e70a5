// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFiles.h"

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
struct ReadName {
    std::u16string name;
    bool damaged = false;
};

ReadName ReadableName(std::string_view bytes)
{
    ReadName read{DecodeShiftJis(bytes)};
    for (char16_t& c : read.name) {
        if (c == u'\uFFFD') {
            c = u'?';
            read.damaged = true;
        }
    }
    return read;
}

} // namespace

Loaded<Ranking> ParseRanking(std::string_view bytes)
{
    Loaded<Ranking> read{{}, ReadState::Loaded};
    FieldReader reader(bytes);
    for (int i = 0; i < kRankPlaces; ++i) {
        const std::optional<std::int32_t> score = ToScore(reader.readNumber());
        const std::optional<std::string> name = reader.readLine();
        const ReadName readName = name ? ReadableName(*name) : ReadName{};
        read.value.rankScore[i] = score.value_or(0);
        read.value.rankName[i] = readName.name;
        if (!score || !name || readName.damaged)
            read.state = ReadState::Damaged;
    }
    return read;
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

std::optional<std::int32_t> ParseLastScore(std::string_view bytes)
{
    FieldReader reader(bytes);
    return ToScore(reader.readNumber());
}

std::string FormatLastScore(std::int32_t score)
{
    return PrintNumberLine(score);
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
