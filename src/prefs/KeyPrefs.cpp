// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/KeyPrefs.h"

#include "platform/FileIO.h"
#include "platform/FolderLock.h"
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

void ParseKeyPrefs(std::string_view bytes, KeyPrefs& prefs)
{
    FieldReader reader(bytes);
    for (std::int16_t& value : prefs) {
        if (reader.atEnd())
            return;
        const auto number = reader.readNumber();
        if (number && *number >= std::numeric_limits<std::int16_t>::min()
            && *number <= std::numeric_limits<std::int16_t>::max())
            value = static_cast<std::int16_t>(*number);
    }
}

bool LoadKeyPrefs(const std::string& path, KeyPrefs& prefs)
{
    const SmallFile file = ReadSmallFile(path);
    if (file.state != SmallFile::State::Read)
        return false;
    ParseKeyPrefs(file.bytes, prefs);
    return true;
}

bool SaveKeyPrefs(const std::string& path, const KeyPrefs& prefs)
{
    const FolderLock lock(FolderOf(path));
    return WriteFileAtomically(path, FormatKeyPrefs(prefs));
}

} // namespace kibbo
