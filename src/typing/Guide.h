#pragma once

#include "prefs/KeyPrefs.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kibbo {

// Replaces occurrences of search in text, scanning left to right and never
// looking at inserted text again. Mode 0 skips an occurrence that already
// lies inside a copy of the replacement; mode -1 replaces every occurrence;
// any other mode returns the text unchanged. Positions count UTF-16 units,
// which are characters for every text of the game.
std::u16string ReplaceText(std::u16string_view text, std::u16string_view search,
                           std::u16string_view replacement, std::int16_t mode);

// The romaji typing guide for a reading under the player's spelling choices.
std::u16string MakeGuide(std::u16string_view reading, const KeyPrefs& keyPref);

} // namespace kibbo
