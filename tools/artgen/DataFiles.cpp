// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFiles.h"

#include "platform/FileIO.h"
#include "prefs/KeyPrefs.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace artgen {

kibbo::Ranking FirstRanking()
{
    // Each score is what a finished game would give (speed x 77 - mistypes x 123),
    // from a quick typist down to a beginner who just made it home.
    struct Place {
        int speed, mistypes;
        const char16_t* name;
    };
    static constexpr Place places[] = {
        {168, 9, u"ポチ"},    {151, 14, u"Hana"},  {137, 12, u"さくら"}, {122, 18, u"Taro"},
        {109, 15, u"コタロウ"}, {95, 21, u"Momo"}, {80, 24, u"はち"},
    };
    kibbo::Ranking ranking;
    for (int i = 0; i < kibbo::kRankPlaces; ++i) {
        ranking.rankScore[i] = places[i].speed * 77 - places[i].mistypes * 123;
        ranking.rankName[i] = places[i].name;
    }
    return ranking;
}

bool WriteFirstDataFiles(const std::string& distDir)
{
    namespace fs = std::filesystem;
    const fs::path data = fs::path(distDir) / "data";
    std::error_code ec;
    fs::create_directories(data, ec);
    bool ok = true;
    if (!fs::exists(data / "key.ini"))
        ok = kibbo::WriteFileAtomically((data / "key.ini").string(), kibbo::FormatKeyPrefs(kibbo::KeyPrefs{})) && ok;
    if (!fs::exists(data / "score.kib")) {
        const std::optional<std::string> bytes = kibbo::FormatRanking(FirstRanking());
        if (!bytes)
            std::fprintf(stderr, "kibbo-artgen: a first ranking name has no Shift-JIS form\n");
        ok = bytes && kibbo::WriteFileAtomically((data / "score.kib").string(), *bytes) && ok;
    }
    return ok;
}

} // namespace artgen
