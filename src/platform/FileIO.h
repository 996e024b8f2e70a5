#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces a file in one step: the new content is written beside it and
// renamed over it, so a crash mid-save leaves the old file whole.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace kibbo
