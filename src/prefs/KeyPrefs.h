// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kibbo {

inline constexpr int kKeyPrefSlots = 43;

// One romaji spelling choice per kana slot; 0 is the standard spelling.
using KeyPrefs = std::array<std::int16_t, kKeyPrefSlots>;

// Reads the preference file into prefs. A slot the file cannot supply (file
// missing, too short, a field that is no number or does not fit 16 bits)
// keeps the value it already holds. Returns false when the file could not be
// read at all, or is larger than any file the game writes (kSmallFileLimit),
// which is then left unread.
bool LoadKeyPrefs(const std::string& path, KeyPrefs& prefs);

// Replaces the file atomically with one line per slot, under the data
// folder's lock. Returns false when the file could not be written; the old
// file is then left whole.
bool SaveKeyPrefs(const std::string& path, const KeyPrefs& prefs);

// The file's bytes for a set of preferences, and the other way round.
std::string FormatKeyPrefs(const KeyPrefs& prefs);
void ParseKeyPrefs(std::string_view bytes, KeyPrefs& prefs);

} // namespace kibbo
