// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>

namespace kibbo {

// A dog chosen for practice is none of the last this many dogs of the game,
// so that practice never narrows to a few dogs.
inline constexpr std::size_t kPracticeFreshDogs = 30;

// How much of a guide trains the weak keys: the sum of its letters' weights
// over its length, so that a short guide of weak letters beats a long one
// that holds a few.
double WeakShare(std::u16string_view guide, const std::map<char, double>& weights);

// The catalogue entry, among those not in `recent`, whose guide in these
// spellings holds the largest WeakShare; the lowest index among equals.
// Nothing when no entry holds a weak letter.
std::optional<std::int16_t> WeakKeyDog(const std::map<char, double>& weights, const KeyPrefs& keyPref,
                                       std::span<const std::int16_t> recent);

} // namespace kibbo
