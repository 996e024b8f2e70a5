// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kibbo {

// The folder that holds the game's pictures, sounds and default data (ani/,
// pics/, sound/, data/), found from the folder of the running program.
// Run from the build folder, they lie beside the program. Installed, the
// programs live in PREFIX/games and the data, the same on every
// architecture, in PREFIX/share/games/kibbo. When neither holds them the
// program's own folder is returned, so that whatever is missing is reported
// there.
std::string AssetFolder(const std::string& programFolder);

} // namespace kibbo
