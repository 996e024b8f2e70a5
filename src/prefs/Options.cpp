// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/Options.h"

#include "platform/FileIO.h"

namespace kibbo {

namespace {

constexpr std::string_view kAnySpelling = "any_spelling";

} // namespace

Options ParseOptions(std::string_view bytes)
{
    Options options;
    while (!bytes.empty()) {
        const std::string_view line = TakeLine(bytes);
        const std::size_t equals = line.find('=');
        // A line without a key is no option; it is dropped on the next save.
        if (equals == std::string_view::npos || equals == 0)
            continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == kAnySpelling)
            options.anySpelling = value == "1";
        else
            options.others.emplace_back(key, value);
    }
    return options;
}

std::string FormatOptions(const Options& options)
{
    std::string bytes = std::string(kAnySpelling) + (options.anySpelling ? "=1\r\n" : "=0\r\n");
    for (const auto& [key, value] : options.others)
        bytes += key + "=" + value + "\r\n";
    return bytes;
}

} // namespace kibbo
