// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace kibbo {

// Answers whether the player may write into a folder.
using WritableTest = std::function<bool(const std::string& folder)>;

// The folder that holds the player's files (PlayerFiles).
// A program run from a folder whose data/ the player may write (the build
// folder) keeps its data beside it. An installed program's folder belongs to
// the system, so its data/ only holds the defaults: the player's own data
// folder ($XDG_DATA_HOME/kibbo/data, by default ~/.local/share/kibbo/data) is
// used instead, and the spellings and the ranking are copied into it from the
// defaults when they are missing there; files already there are never
// replaced. When that folder cannot be made, or there is no home to make it
// in, the program's data/ is returned so that the game still reads its
// defaults.
//
// programDir is the folder of the running program. An installed program
// (its assets found apart from it, see AssetFolder) always uses the
// player's own folder, even for a user who could write into the system's:
// root's scores do not belong in /usr/share.
std::string ChooseDataFolder(const std::string& programDir);

// A folder the player names instead (kibbo --data DIR): made when missing
// and given the defaults it lacks, as the player's own folder is. Returns it
// as an absolute path, or an empty string when it cannot be made.
std::string ProvideNamedDataFolder(const std::string& programDir, const std::string& folder);

// The same choice with the player's data home (the folder that stands for
// ~/.local/share) and the writability test given.
std::string ChooseDataFolder(const std::string& programFolder, const std::string& playerDataHome,
                             const WritableTest& isWritable);

} // namespace kibbo
