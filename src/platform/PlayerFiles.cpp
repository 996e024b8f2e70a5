// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlayerFiles.h"

namespace kibbo {

PlayerFiles PlayerFiles::In(const std::string& dataFolder)
{
    std::string folder = dataFolder;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    const std::string prefix = folder == "/" ? folder : folder + "/";
    return {folder,
            prefix + "key.ini",
            prefix + "score.kib",
            prefix + "score-kana.kib",
            prefix + "score.dat",
            prefix + "options.ini",
            prefix + "history.csv"};
}

} // namespace kibbo
