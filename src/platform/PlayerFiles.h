// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kibbo {

// The folder of the program folder that holds the player's files, or their
// defaults when the program is installed.
inline constexpr std::string_view kDataFolder = "data";

// Every file the player owns, named once from the chosen data folder. The
// game, its windows and kibbo-tool receive this value; nothing else joins a
// player's file name.
struct PlayerFiles {
    std::string folder;    // the data folder itself; its lock guards every save below
    std::string keyPrefs;  // the spelling chosen for each kana slot
    std::string ranking;   // the seven best scores and names
    std::string kanaRanking; // the same for games typed in kana
    std::string lastScore; // the score of the last cleared game
    std::string options;   // choices beyond the spellings, key=value lines
    std::string history;   // one line per game played, the latest 1,000

    static PlayerFiles In(const std::string& dataFolder);
};

} // namespace kibbo
