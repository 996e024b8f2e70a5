// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPath.h"

#include <algorithm>

namespace kibbo {

std::string JoinProgramPath(std::string_view folder, std::string_view relative)
{
    // Only the game's own relative names use "\"; in a folder's name on
    // this system it is an ordinary character and stays.
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    std::string rel(relative);
    std::replace(rel.begin(), rel.end(), '\\', '/');
    path += rel;
    return path;
}

} // namespace kibbo
