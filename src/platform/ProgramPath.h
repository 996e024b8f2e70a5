// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kibbo {

// Joins the program's folder and a relative path written with "\" (as the
// game names its files, "sound\bark.wav") into a path for this system:
// the relative path's separators become "/" (the folder's name is left as
// it is: "\" is an ordinary character in it), and no separator is doubled,
// so a program in "/" finds "/sound/bark.wav".
std::string JoinProgramPath(std::string_view folder, std::string_view relative);

} // namespace kibbo
