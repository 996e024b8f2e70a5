// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"
#include "typing/KanaKeys.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kibbo {

// A dog chosen for practice is none of the last this many dogs of the game,
// so that practice never narrows to a few dogs.
inline constexpr std::size_t kPracticeFreshDogs = 30;

// How much of a guide trains the weak keys: the sum of its keys' weights
// over its length, so that a short guide of weak keys beats a long one that
// holds a few.
double WeakShare(std::u16string_view guide, const std::map<char16_t, double>& weights);

// Every catalogue entry's WeakShare, of its romaji guide made in these
// spellings, or of the keys its reading is typed with on the kana keys.
std::vector<double> WeakShares(const std::map<char16_t, double>& weights, const KeyPrefs& keyPref, Input input);

// The catalogue entry, among those not in `recent`, of the largest share;
// the lowest index among equals. Nothing when no entry holds a weak letter.
std::optional<std::int16_t> WeakKeyDog(std::span<const double> shares, std::span<const std::int16_t> recent);

} // namespace kibbo
