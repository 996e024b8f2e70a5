// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace kibbo::test {

// The standard spellings but for the slots given, as (slot, value) pairs.
inline KeyPrefs With(std::initializer_list<std::pair<int, std::int16_t>> slots)
{
    KeyPrefs prefs{};
    for (auto [slot, value] : slots)
        prefs[static_cast<std::size_t>(slot)] = value;
    return prefs;
}

} // namespace kibbo::test
