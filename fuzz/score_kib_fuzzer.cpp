// SPDX-License-Identifier: GPL-3.0-or-later
// data/score.kib as the clearing sequence, the entry window and the viewer read it.
#include "FuzzCheck.h"
#include "scores/ScoreFiles.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kibbo::Loaded<kibbo::Ranking> read = kibbo::ParseRanking(bytes);
    Require(read.state != kibbo::ReadState::Missing, "bytes in hand are never a missing file");

    // A ranking that can be saved reads back whole, place by place.
    const auto saved = kibbo::FormatRanking(read.value);
    if (!saved)
        return 0;
    const kibbo::Loaded<kibbo::Ranking> back = kibbo::ParseRanking(*saved);
    Require(back.state == kibbo::ReadState::Loaded, "a saved ranking reads back whole");
    for (int i = 0; i < kibbo::kRankPlaces; ++i) {
        Require(back.value.rankScore[i] == read.value.rankScore[i], "each score reads back in its place");
        Require(back.value.rankName[i] == read.value.rankName[i], "each name reads back in its place");
    }
    return 0;
}
