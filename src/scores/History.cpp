// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"

#include "platform/FileIO.h"
#include "typing/Guide.h"
#include "typing/KanaKeys.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace kibbo {

namespace {

constexpr std::string_view kHeader =
    "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed,typed,mode,guide";
// The headers and field counts of the lines written before guide, and
// before typed and mode.
constexpr std::string_view kOldHeader = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed,typed,mode";
constexpr std::string_view kOlderHeader = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kFieldCount = 12;
constexpr std::size_t kOldFieldCount = 11;
constexpr std::size_t kOlderFieldCount = 9;
constexpr std::string_view kModeNames[] = {"normal", "practice", "kana", "kana-practice"};

struct NamedEnding {
    Ending ending;
    std::string_view name;
};
constexpr NamedEnding kEndingNames[] = {
    {Ending::Cleared, "cleared"},
    {Ending::Over, "over"},
    {Ending::Left, "left"},
};

std::optional<Ending> EndingNamed(std::string_view name)
{
    for (const NamedEnding& entry : kEndingNames) {
        if (entry.name == name)
            return entry.ending;
    }
    return std::nullopt;
}

std::optional<std::int32_t> ReadNumber(std::string_view text, std::int32_t lowest)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < lowest)
        return std::nullopt;
    return value;
}

bool IsDigits(std::string_view time, std::size_t from, std::size_t count, int lowest, int highest)
{
    const std::string_view digits = time.substr(from, count);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const std::optional<std::int32_t> value = ReadNumber(digits, lowest);
    return value && *value <= highest;
}

// YYYY-MM-DDTHH:MM:SS, as the chart and the tool print it.
bool IsLocalTime(std::string_view time)
{
    return time.size() == 19 && time[4] == '-' && time[7] == '-' && time[10] == 'T' && time[13] == ':'
           && time[16] == ':' && IsDigits(time, 0, 4, 0, 9999) && IsDigits(time, 5, 2, 1, 12)
           && IsDigits(time, 8, 2, 1, 31) && IsDigits(time, 11, 2, 0, 23) && IsDigits(time, 14, 2, 0, 59)
           && IsDigits(time, 17, 2, 0, 60);
}

// The key a UTF-8 item starts with, and its length in bytes: a guide letter,
// or a kana key's character (three bytes).
std::optional<std::pair<KeyChar, std::size_t>> ReadKey(std::string_view item)
{
    if (!item.empty() && IsGuideKey(item[0]))
        return std::pair{static_cast<KeyChar>(item[0]), std::size_t{1}};
    const auto byte = [&item](std::size_t i) { return static_cast<unsigned char>(item[i]); };
    if (item.size() < 3 || (byte(0) & 0xF0) != 0xE0 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80)
        return std::nullopt;
    const auto key = static_cast<KeyChar>(((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F));
    if (!KeyOfKana(key))
        return std::nullopt;
    return std::pair{key, std::size_t{3}};
}

// "key:value" items separated by single spaces, each key once; readValue
// reads what follows the key's colon.
template <class Value, class ReadValue>
std::optional<std::map<KeyChar, Value>> ReadKeyItems(std::string_view text, ReadValue readValue)
{
    std::map<KeyChar, Value> items;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view item = text.substr(0, space);
        const auto key = ReadKey(item);
        if (!key || item.size() < key->second + 2 || item[key->second] != ':' || items.contains(key->first))
            return std::nullopt;
        const std::optional<Value> value = readValue(item.substr(key->second + 1));
        if (!value)
            return std::nullopt;
        items[key->first] = *value;
        if (space == std::string_view::npos)
            break;
        text.remove_prefix(space + 1);
        // A space must be followed by another item.
        if (text.empty())
            return std::nullopt;
    }
    return items;
}

std::optional<std::map<KeyChar, std::int32_t>> ReadMissed(std::string_view text)
{
    return ReadKeyItems<std::int32_t>(text, [](std::string_view count) { return ReadNumber(count, 1); });
}

// "count" or "count:ms".
std::optional<std::map<KeyChar, KeyTimes>> ReadTyped(std::string_view text)
{
    return ReadKeyItems<KeyTimes>(text, [](std::string_view value) -> std::optional<KeyTimes> {
        const std::size_t colon = value.find(':');
        const std::optional<std::int32_t> count = ReadNumber(value.substr(0, colon), 0);
        if (!count)
            return std::nullopt;
        KeyTimes times{*count, std::nullopt};
        if (colon != std::string_view::npos) {
            times.meanMs = ReadNumber(value.substr(colon + 1), 0);
            // A mean needs a press to be the mean of.
            if (!times.meanMs || *count == 0)
                return std::nullopt;
        }
        return times;
    });
}

std::optional<Mode> ModeNamed(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kModeNames); ++i) {
        if (kModeNames[i] == name)
            return static_cast<Mode>(i);
    }
    return std::nullopt;
}

// Splits a line into its fields: commas separate them, and a field in
// double quotes may hold commas, with "" for a quote of its own.
std::optional<std::vector<std::string>> SplitFields(std::string_view line)
{
    std::vector<std::string> fields(1);
    std::size_t i = 0;
    while (i < line.size()) {
        std::string& field = fields.back();
        if (line[i] == '"' && field.empty()) {
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt; // the closing quote is missing
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                field += line[i];
            }
            ++i;
            if (i < line.size() && line[i] != ',')
                return std::nullopt; // text after the closing quote
            continue;
        }
        if (line[i] == ',')
            fields.emplace_back();
        else if (line[i] == '"')
            return std::nullopt; // a quote inside an unquoted field
        else
            field += line[i];
        ++i;
    }
    return fields;
}

std::string QuotedIfNeeded(std::string field)
{
    if (field.find_first_of(",\"") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string_view EndingName(Ending ending)
{
    for (const NamedEnding& entry : kEndingNames) {
        if (entry.ending == ending)
            return entry.name;
    }
    return {};
}

std::string_view ModeName(Mode mode)
{
    return kModeNames[static_cast<std::size_t>(mode)];
}

Input InputOf(Mode mode)
{
    return mode == Mode::Kana || mode == Mode::KanaPractice ? Input::Kana : Input::Romaji;
}

bool IsPractice(Mode mode)
{
    return mode == Mode::Practice || mode == Mode::KanaPractice;
}

Mode ModeOf(Input input, bool practice)
{
    if (input == Input::Kana)
        return practice ? Mode::KanaPractice : Mode::Kana;
    return practice ? Mode::Practice : Mode::Normal;
}

bool IsKeyOf(Input input, KeyChar key)
{
    if (input == Input::Romaji)
        return key < 0x80 && IsGuideKey(static_cast<char>(key));
    return key >= 0x80 && KeyOfKana(key).has_value();
}

std::u16string KeysOfText(std::string_view text, Input input)
{
    std::u16string keys;
    while (!text.empty()) {
        const auto key = ReadKey(text);
        if (!key) {
            text.remove_prefix(1);
            continue;
        }
        if (IsKeyOf(input, key->first) && keys.find(key->first) == std::u16string::npos)
            keys += key->first;
        text.remove_prefix(key->second);
    }
    return keys;
}

std::string KeyText(KeyChar key)
{
    if (key < 0x80)
        return std::string(1, static_cast<char>(key));
    if (key < 0x800)
        return {static_cast<char>(0xC0 | (key >> 6)), static_cast<char>(0x80 | (key & 0x3F))};
    return {static_cast<char>(0xE0 | (key >> 12)), static_cast<char>(0x80 | ((key >> 6) & 0x3F)),
            static_cast<char>(0x80 | (key & 0x3F))};
}

namespace {

// "key:value" items separated by single spaces, in the order of the keys;
// the writing side of ReadKeyItems.
template <class Value, class WriteValue>
std::string KeyItemsText(const std::map<KeyChar, Value>& items, WriteValue writeValue)
{
    std::string text;
    for (const auto& [key, value] : items) {
        if (!text.empty())
            text += ' ';
        text += KeyText(key);
        text += ':';
        text += writeValue(value);
    }
    return text;
}

} // namespace

std::string MissedText(const GameRecord& game)
{
    return KeyItemsText(game.missed, [](std::int32_t count) { return std::to_string(count); });
}

std::string TypedText(const GameRecord& game)
{
    return KeyItemsText(game.typed, [](const KeyTimes& times) {
        std::string text = std::to_string(times.count);
        if (times.meanMs)
            text += ':' + std::to_string(*times.meanMs);
        return text;
    });
}

std::string FormatGameLine(const GameRecord& game)
{
    const std::string fields[kFieldCount] = {
        game.time,
        std::string(EndingName(game.ending)),
        game.score ? std::to_string(*game.score) : std::string(),
        std::to_string(game.speed),
        std::to_string(game.dogs),
        std::to_string(game.mistypes),
        std::to_string(game.seconds),
        game.anySpelling ? "1" : "0",
        MissedText(game),
        TypedText(game),
        std::string(ModeName(game.mode)),
        game.guideHidden ? "hidden" : "shown",
    };
    std::string line = QuotedIfNeeded(fields[0]);
    for (std::size_t i = 1; i < kFieldCount; ++i) {
        line += ',';
        line += QuotedIfNeeded(fields[i]);
    }
    return line;
}

std::optional<GameRecord> ParseGameLine(std::string_view line)
{
    const std::optional<std::vector<std::string>> fields = SplitFields(line);
    if (!fields || (fields->size() != kFieldCount && fields->size() != kOldFieldCount && fields->size() != kOlderFieldCount))
        return std::nullopt;
    const std::vector<std::string>& f = *fields;

    GameRecord game;
    game.time = f[0];
    const std::optional<Ending> ending = EndingNamed(f[1]);
    if (!IsLocalTime(game.time) || !ending)
        return std::nullopt;
    game.ending = *ending;
    // Only a cleared game has a score.
    if (game.ending == Ending::Cleared) {
        game.score = ReadNumber(f[2], std::numeric_limits<std::int32_t>::min());
        if (!game.score)
            return std::nullopt;
    } else if (!f[2].empty()) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> speed = ReadNumber(f[3], 0);
    const std::optional<std::int32_t> dogs = ReadNumber(f[4], 0);
    const std::optional<std::int32_t> mistypes = ReadNumber(f[5], 0);
    const std::optional<std::int32_t> seconds = ReadNumber(f[6], 0);
    std::optional<std::map<KeyChar, std::int32_t>> missed = ReadMissed(f[8]);
    if (!speed || !dogs || !mistypes || !seconds || (f[7] != "0" && f[7] != "1") || !missed)
        return std::nullopt;
    game.speed = *speed;
    game.dogs = *dogs;
    game.mistypes = *mistypes;
    game.seconds = *seconds;
    game.anySpelling = f[7] == "1";
    game.missed = std::move(*missed);
    if (f.size() == kOlderFieldCount)
        return game;
    std::optional<std::map<KeyChar, KeyTimes>> typed = ReadTyped(f[9]);
    const std::optional<Mode> mode = ModeNamed(f[10]);
    if (!typed || !mode)
        return std::nullopt;
    game.typed = std::move(*typed);
    game.mode = *mode;
    if (f.size() == kOldFieldCount)
        return game;
    if (f[11] != "shown" && f[11] != "hidden")
        return std::nullopt;
    game.guideHidden = f[11] == "hidden";
    return game;
}

namespace {

// A spreadsheet may have saved the file with a byte order mark.
void SkipByteOrderMark(std::string_view& bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
}

// One line of either form kept as a game; a blank line or a header is
// passed over, anything else counted as damaged.
void ReadGameLine(std::string_view line, Loaded<std::vector<GameRecord>>& read)
{
    if (line.empty() || line == kHeader || line == kOldHeader || line == kOlderHeader)
        return;
    if (std::optional<GameRecord> game = ParseGameLine(line))
        read.value.push_back(std::move(*game));
    else
        ++read.skippedLines;
    if (read.skippedLines > 0)
        read.state = ReadState::Damaged;
}

} // namespace

Loaded<std::vector<GameRecord>> ParseHistory(std::string_view bytes)
{
    SkipByteOrderMark(bytes);
    Loaded<std::vector<GameRecord>> read{{}, ReadState::Loaded};
    while (!bytes.empty())
        ReadGameLine(TakeLine(bytes), read);
    return read;
}

Loaded<std::vector<GameRecord>> ParseRecentHistory(std::string_view bytes)
{
    SkipByteOrderMark(bytes);
    Loaded<std::vector<GameRecord>> read{{}, ReadState::Loaded};
    // Games of each input, so that a player who also types the other way
    // keeps as many recent games for the keys' figures. A line of an input
    // already complete is passed over by its mode, unparsed, so that
    // a long history of one input costs little more than a short one.
    std::size_t romaji = 0, kana = 0;
    // Only a kana game's mode has the word: the other fields are numbers,
    // times, keys and the words of other columns.
    const auto full = [&](std::string_view line) {
        return (line.find("kana") != std::string_view::npos ? kana : romaji) >= kRecentGames;
    };
    std::size_t end = bytes.size();
    while (end > 0 && (romaji < kRecentGames || kana < kRecentGames)) {
        const std::size_t newline = bytes.rfind('\n', end - 1);
        const std::size_t start = newline == std::string_view::npos ? 0 : newline + 1;
        std::string_view line = bytes.substr(start, end - start);
        end = newline == std::string_view::npos ? 0 : newline;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (full(line))
            continue;
        const std::size_t before = read.value.size();
        ReadGameLine(line, read);
        if (read.value.size() > before)
            ++(InputOf(read.value.back().mode) == Input::Kana ? kana : romaji);
    }
    std::reverse(read.value.begin(), read.value.end());
    return read;
}

std::string FormatHistory(std::vector<GameRecord> games)
{
    if (games.size() > kHistoryGames)
        games.erase(games.begin(), games.end() - static_cast<std::ptrdiff_t>(kHistoryGames));
    std::string bytes(kHeader);
    bytes += kLineEnd;
    for (const GameRecord& game : games) {
        bytes += FormatGameLine(game);
        bytes += kLineEnd;
    }
    return bytes;
}

std::vector<GameRecord> RecentGames(const std::vector<GameRecord>& games, Input input)
{
    std::vector<GameRecord> recent;
    for (auto game = games.rbegin(); game != games.rend() && recent.size() < kRecentGames; ++game) {
        if (InputOf(game->mode) == input)
            recent.push_back(*game);
    }
    std::reverse(recent.begin(), recent.end());
    return recent;
}

std::vector<KeyMisses> MostMissedKeys(const std::vector<GameRecord>& games, Input input)
{
    std::map<KeyChar, std::int64_t> totals;
    for (const GameRecord& game : RecentGames(games, input)) {
        for (const auto& [key, count] : game.missed)
            totals[key] += count;
    }
    std::vector<KeyMisses> keys;
    for (const auto& [key, count] : totals)
        keys.push_back({key, static_cast<std::int32_t>(std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()))});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const KeyMisses& a, const KeyMisses& b) { return a.count > b.count; });
    return keys;
}

} // namespace kibbo
