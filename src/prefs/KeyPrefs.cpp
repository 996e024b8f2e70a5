// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/KeyPrefs.h"

#include "platform/PrintForm.h"

#include <limits>

namespace kibbo {

std::string FormatKeyPrefs(const KeyPrefs& prefs)
{
    std::string bytes;
    for (std::int16_t value : prefs)
        bytes += PrintNumberLine(value);
    return bytes;
}

KeyPrefs ParseKeyPrefs(std::string_view bytes, KeyPrefs prefs)
{
    FieldReader reader(bytes);
    for (std::int16_t& value : prefs) {
        if (reader.atEnd())
            break;
        const auto number = reader.readNumber();
        if (number && *number >= std::numeric_limits<std::int16_t>::min()
            && *number <= std::numeric_limits<std::int16_t>::max())
            value = static_cast<std::int16_t>(*number);
    }
    return prefs;
}

} // namespace kibbo
