// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kibbo {

// The options file: choices beyond the spellings, one key=value line each,
// ended by CR LF. The spellings file keeps exactly its 43 lines, so that
// its format never changes.
struct Options {
    // any_spelling=1: every common spelling of a kana is typed as correct,
    // not only the one the guide shows. Off when missing or damaged.
    bool anySpelling = false;
    // Lines of keys this version does not know, kept as they were on save.
    std::vector<std::pair<std::string, std::string>> others;
};

Options ParseOptions(std::string_view bytes);
std::string FormatOptions(const Options& options);

} // namespace kibbo
