// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kibbo {

inline constexpr int kKeyPrefSlots = 43;

// One romaji spelling choice per kana slot; 0 is the standard spelling.
using KeyPrefs = std::array<std::int16_t, kKeyPrefSlots>;

// The spellings file's bytes for a set of preferences: one line per slot.
std::string FormatKeyPrefs(const KeyPrefs& prefs);
// The preferences a file's bytes give over `current`. A slot the bytes cannot
// supply (too short, a field that is no number or does not fit 16 bits)
// keeps its value in current.
KeyPrefs ParseKeyPrefs(std::string_view bytes, KeyPrefs current);

} // namespace kibbo
