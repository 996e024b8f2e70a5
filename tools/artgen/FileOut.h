// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace artgen {

// Writes the whole file; false when it could not be written completely.
bool WriteBytes(const std::string& path, const std::string& bytes);

} // namespace artgen
