// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFiles.h"

#include "game/Game.h"
#include "platform/FileIO.h"
#include "platform/PlayerFiles.h"
#include "prefs/KeyPrefs.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace artgen {

kibbo::Ranking FirstRanking()
{
    // Each score is what a finished game would give, from a quick typist down
    // to a beginner who just made it home.
    struct Place {
        std::int32_t speed;
        std::int16_t mistypes;
        const char16_t* name;
    };
    static constexpr Place places[] = {
        {168, 9, u"ポチ"},    {151, 14, u"Hana"},  {137, 12, u"さくら"}, {122, 18, u"Taro"},
        {109, 15, u"コタロウ"}, {95, 21, u"Momo"}, {80, 24, u"はち"},
    };
    kibbo::Ranking ranking;
    for (int i = 0; i < kibbo::kRankPlaces; ++i) {
        ranking.rankScore[i] = kibbo::TotalScore(places[i].speed, places[i].mistypes);
        ranking.rankName[i] = places[i].name;
    }
    return ranking;
}

bool WriteFirstDataFiles(const std::string& distDir)
{
    namespace fs = std::filesystem;
    const kibbo::PlayerFiles data = kibbo::PlayerFiles::In((fs::path(distDir) / kibbo::kDataFolder).string());
    std::error_code ec;
    fs::create_directories(data.folder, ec);
    bool ok = true;
    if (!fs::exists(data.keyPrefs))
        ok = kibbo::WriteFileAtomically(data.keyPrefs, kibbo::FormatKeyPrefs(kibbo::KeyPrefs{})) && ok;
    if (!fs::exists(data.ranking)) {
        const std::optional<std::string> bytes = kibbo::FormatRanking(FirstRanking());
        if (!bytes)
            std::fprintf(stderr, "kibbo-artgen: a first ranking name has no Shift-JIS form\n");
        ok = bytes && kibbo::WriteFileAtomically(data.ranking, *bytes) && ok;
    }
    return ok;
}

} // namespace artgen
