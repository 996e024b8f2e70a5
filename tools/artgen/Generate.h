// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace artgen {

// The distinct picture file names of the dog catalogue, in catalogue order.
std::vector<std::string> PortraitNames();

// Fills the program folder: ani/, pics/, sound/, and data/ where its files
// are missing. Returns false (after trying everything) if a file could not
// be written.
bool GenerateAll(const std::string& distDir);

// One PNG with every portrait, labelled with its breed, and every ani/
// picture, read back from the program folder, for looking at them all at once.
bool WriteContactSheet(const std::string& distDir, const std::string& pngPath);

} // namespace artgen
