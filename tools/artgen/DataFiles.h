#pragma once

#include <optional>
#include <string>

namespace artgen {

// Text in the code page the game's data files use for Japanese names.
// Empty when the text cannot be written in that code page.
std::optional<std::string> ToShiftJis(const std::string& utf8);

// The ranking a fresh installation starts with.
std::string FirstRankingBytes();

// Writes data/key.ini and data/score.kib under the program folder, each only
// when it is not there yet: a player's settings and ranking are never touched.
bool WriteFirstDataFiles(const std::string& distDir);

} // namespace artgen
