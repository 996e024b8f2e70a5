// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"
#include "typing/KanaKeys.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kibbo {

// The history file: every game that ended, one line each, the latest
// kHistoryGames of them, for the player to see which keys cost mistypes and
// whether the speed grows. UTF-8, CRLF line ends, one header line:
//
//   time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed,typed,mode,guide
//   2026-12-07T17:05:31,cleared,5432,182,94,17,312,0,"a:3 ,:1 i:5","a:80:162 ,:4:410 i:61:155 k:30:201",normal,shown
//   2026-12-07T17:20:02,over,,151,60,9,360,1,k:4 n:5,k:20:230 n:40:188,practice,hidden
//
// time      local time the game ended, YYYY-MM-DDTHH:MM:SS
// ending    cleared, over (19:00 came) or left (restart, top or finish)
// score     the final score; empty unless cleared
// speed     characters typed per minute
// dogs, mistypes, seconds
//           dogs typed, mistypes, seconds played
// any_spelling
//           1 when any common spelling was accepted, else 0
// missed    key:count pairs separated by single spaces, one per guide
//           letter that was showing when a wrong key came; keys are a-z,
//           '-', ',' and '.', or in a kana game the kana keys (か, ゛, ぁ)
// typed     key:count:ms, one per guide letter shown in the game that was
//           typed or missed: how many times it was typed correctly and the
//           mean milliseconds those presses took, each from the key before
//           it in the same dog (a dog's first key and gaps over
//           kLongestKeyGap are left out, so ":ms" is missing when no press
//           was timed); single spaces between
// mode      normal, or practice when dogs were chosen for the weak keys;
//           kana and kana-practice for the same typed on the kana keys
// guide     shown, or hidden when the guide was hidden for a dog of the game
//
// Lines written before typed and mode were kept end after missed; they
// read as normal games with no key measured. Lines written before guide end
// after mode, and read as games with the guide shown.
//
// A field holding a comma (the ',' key) is quoted in double quotes as
// spreadsheets do, so the file opens in one and reads back as written; no
// field ever holds a double quote.
inline constexpr std::size_t kHistoryGames = 1000;

// A file the game wrote holds at most kHistoryGames lines of a few hundred
// bytes; beyond this it is no file the game wrote and is not read.
inline constexpr std::size_t kHistoryFileLimit = 1024 * 1024;

// The summaries look at this many of the latest games.
inline constexpr std::size_t kRecentGames = 50;
// A list of the most missed keys names this many at the most.
inline constexpr std::size_t kListedMissedKeys = 10;

enum class Ending { Cleared, Over, Left };
enum class Mode { Normal, Practice, Kana, KanaPractice };

Input InputOf(Mode mode);
bool IsPractice(Mode mode);
Mode ModeOf(Input input, bool practice);

// A key as the history names it: a guide letter, or the kana, mark or small
// kana a kana key types.
using KeyChar = char16_t;

// A gap between two keys longer than this is reading, not typing.
inline constexpr std::int32_t kLongestKeyGap = 2000;

// One key's correct presses in a game.
struct KeyTimes {
    std::int32_t count = 0;
    std::optional<std::int32_t> meanMs; // none when no press was timed

    bool operator==(const KeyTimes&) const = default;
};

struct GameRecord {
    std::string time; // given by the caller: the rules never read the clock
    Ending ending = Ending::Over;
    std::optional<std::int32_t> score; // only when cleared
    std::int32_t speed = 0;
    std::int32_t dogs = 0;
    std::int32_t mistypes = 0;
    std::int32_t seconds = 0;
    bool anySpelling = false;
    std::map<KeyChar, std::int32_t> missed; // expected key -> mistypes
    std::map<KeyChar, KeyTimes> typed;      // every key typed or missed; empty for an older line
    Mode mode = Mode::Normal;
    bool guideHidden = false; // the guide was hidden for a dog of the game

    bool operator==(const GameRecord&) const = default;
};

// "cleared", "over" or "left", as the file writes it.
std::string_view EndingName(Ending ending);
// "normal", "practice", "kana" or "kana-practice".
std::string_view ModeName(Mode mode);

// The missed keys as the file's last field holds them before quoting:
// "key:count" pairs in the order of the keys' characters, single spaces
// between, in UTF-8.
std::string MissedText(const GameRecord& game);
// The typed field before quoting, in the same manner.
std::string TypedText(const GameRecord& game);

// One line without its line end, and back; nothing when the line is no game
// record (a wrong field count, a bad number, an unknown key or ending).
std::string FormatGameLine(const GameRecord& game);
std::optional<GameRecord> ParseGameLine(std::string_view line);

// The games, oldest first. The header and blank lines are no games and are
// passed over; any other line that does not read as a game is skipped and
// counted, and the read is then Damaged.
Loaded<std::vector<GameRecord>> ParseHistory(std::string_view bytes);

// The latest kRecentGames games of the file of each input, oldest first,
// read from its end so that a long history costs little more than a short one;
// damaged lines met on the way are skipped and counted as ParseHistory does.
Loaded<std::vector<GameRecord>> ParseRecentHistory(std::string_view bytes);

// The whole file for these games, the latest kHistoryGames of them.
std::string FormatHistory(std::vector<GameRecord> games);

struct KeyMisses {
    KeyChar key = 0;
    std::int32_t count = 0;

    bool operator==(const KeyMisses&) const = default;
};

// Every key missed over the last kRecentGames games typed on this input,
// most missed first; equal counts in the order of the keys' characters.
std::vector<KeyMisses> MostMissedKeys(const std::vector<GameRecord>& games, Input input);

// The last kRecentGames games typed on this input (all of them when fewer),
// oldest first.
std::vector<GameRecord> RecentGames(const std::vector<GameRecord>& games, Input input);

// A key in UTF-8, as the file and the tool write it.
std::string KeyText(KeyChar key);

// Whether a key is one of those the input types: a guide letter, or a kana
// key's kana.
bool IsKeyOf(Input input, KeyChar key);

// The keys of a UTF-8 text of keys without separators (the keys chosen to
// practise, as the options file keeps them) that the input types, each
// once, in order; anything else in it is passed over.
std::u16string KeysOfText(std::string_view text, Input input);

} // namespace kibbo
