// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreFiles.h"

#include <string>

namespace artgen {

// The ranking a fresh installation starts with.
kibbo::Ranking FirstRanking();

// Writes data/key.ini and data/score.kib under the program folder, each only
// when it is not there yet: a player's settings and ranking are never touched.
bool WriteFirstDataFiles(const std::string& distDir);

} // namespace artgen
