// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"
#include "prefs/KeyPrefs.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"
#include "typing/KanaMatcher.h"
#include "typing/RomajiMatcher.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kibbo {

// The four screens of the main window.
enum class Screen { Title, Play, GameOver, Cleared };

// Walker positions in twips: where a game starts, the line it must pass to
// get home, and below which it is never pushed back.
inline constexpr int kWalkerStartLeft = 1800;
inline constexpr int kWalkerHomeLeft = 7400;
inline constexpr int kWalkerBackLimit = 1200;

// One key's correct presses in the game so far.
struct KeyTally {
    std::int32_t count = 0;
    std::int32_t timed = 0; // presses whose time counts
    std::int64_t totalMs = 0;
};

// Everything the rules know about the game in progress. Numbers are
// zero and texts empty when the window is created; the load step sets
// clockHour and dogIndex.
struct GameState {
    std::int16_t dogIndex = 0;       // catalogue entry the next encounter shows
    std::int16_t shownDog = 0;       // catalogue entry on screen
    std::int16_t missCount = 0;      // mistyped keys this game
    std::int16_t missRun = 0;        // mistyped keys since the walker last moved
    std::int16_t dogCount = 0;       // dogs completed this game
    std::u16string typGuide;         // the part of the guide not yet typed
    std::optional<Effect> effectFile; // what PlayEffect plays; none after NewGame
    std::optional<Tune> musicFile;    // what PlayMusic plays
    KeyPrefs keyPref{};
    std::int16_t limitTick = 0;      // ticks left for the current dog
    std::int16_t walkFrame = 0;
    std::int16_t stepWidth = 0;      // twips the walker moves per step
    std::int16_t clockMinute = 0;
    std::int16_t clockHour = 0;
    std::int16_t minuteTicks = 0;
    std::int16_t stage17Done = 0;
    std::int16_t stage18Done = 0;
    std::int16_t musicTicks = 0;
    std::int16_t musicRestarts = 0;
    std::int32_t typeCount = 0;      // correctly typed keys this game
    std::int32_t playSeconds = 0;
    std::array<std::int32_t, kRankPlaces> rankScore{};
    // The walker's left edge in twips: the player's progress toward home.
    // The window is created with it at the start.
    std::int32_t walkerLeft = kWalkerStartLeft;
    Screen screen = Screen::Title;
    // Beyond the classic rules too: a game in play held by the player (the
    // pause option); nothing runs and no key is judged until it goes on.
    bool paused = false;

    // Practice beyond the classic rules. With anySpelling (the options file, read
    // with the spellings at every dog) the matcher judges the keys and
    // re-forms typGuide; off, it is unused.
    bool anySpelling = false;
    bool anySpellingUsed = false; // on for any dog of this game
    std::optional<RomajiMatcher> matcher;
    // A dog finished before the end of the guide on screen (the first n of
    // a final "nn"): the very next key may still finish that spelling.
    std::optional<RomajiMatcher> finishedDog;
    // The current dog before a key that both it and the finished dog could
    // take ("n" after a final ん, for a dog that starts with n): the key
    // after it tells which dog it was for.
    std::optional<RomajiMatcher> beforeSharedKey;
    // Kana input (the options file, read as a game's first dog is set up and
    // kept for the game, whose ranking and records it decides): the keys
    // typed are kana, judged by kanaMatcher, and typGuide is the reading.
    Input input = Input::Romaji;
    std::optional<KanaMatcher> kanaMatcher;
    // Mistypes of this game by the key expected when they came: the guide
    // letter showing, or the kana key.
    std::map<KeyChar, std::int32_t> missedKeys;
    // Correct presses by the key expected, and when the dog's last accepted
    // key came (none before its first).
    std::map<KeyChar, KeyTally> typedKeys;
    std::optional<std::int64_t> lastKeyMs;

    // Learning aids (the options file, read at every dog): the reading shown
    // with the kana in hand marked, and the guide hidden until a mistype
    // shows it for the rest of the dog. readingMark follows the keys
    // through the reading where no matcher judges them.
    bool readingShown = false;
    bool guideHidden = false;
    bool guideShownAfterMiss = false;
    bool guideHiddenUsed = false; // for any dog of this game
    std::optional<RomajiMatcher> readingMark;

    // Weak-key practice (weak_keys in the options file, read at every dog):
    // every second dog is chosen for the keys the history finds weak.
    bool weakKeys = false;
    bool practiceUsed = false;          // a dog of this game was so chosen
    std::int32_t dogsShown = 0;         // dogs set up this game
    std::vector<std::int16_t> recentDogs; // the entries last shown, at most kPracticeFreshDogs
    // The keys chosen to practise, or else those the history finds weak,
    // once a game, when first needed.
    std::optional<std::map<KeyChar, double>> weakWeights;
    // Every entry's WeakShare under those weights and these spellings.
    std::vector<double> weakShares;
    KeyPrefs weakSharesFor{};
};

} // namespace kibbo
