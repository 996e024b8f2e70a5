// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"

#include <span>
#include <string>
#include <string_view>

namespace kibbo {

// Every key a guide can ask for: the lower-case letters, the long-vowel
// mark and two punctuation marks.
inline constexpr std::string_view kGuideKeys = "abcdefghijklmnopqrstuvwxyz-,.";

constexpr bool IsGuideKey(char key)
{
    return key != '\0' && kGuideKeys.find(key) != std::string_view::npos;
}

// Replaces occurrences of search in text, scanning left to right and never
// looking at inserted text again; an occurrence that already lies inside a
// copy of the replacement is kept. Positions count UTF-16 units, which are
// characters for every text of the game.
std::u16string ReplaceText(std::u16string_view text, std::u16string_view search,
                           std::u16string_view replacement);

// A kana sequence and the romaji the base conversion writes for it.
struct KanaRomaji {
    std::u16string_view kana;
    std::u16string_view romaji;
};

// The base conversion in the order it runs: longer kana sequences before the
// ones they contain, a small っ with the kana it doubles first of all.
std::span<const KanaRomaji> BaseSpellings();

// The romaji typing guide for a reading under the player's spelling choices.
std::u16string MakeGuide(std::u16string_view reading, const KeyPrefs& keyPref);

} // namespace kibbo
