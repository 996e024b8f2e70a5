// SPDX-License-Identifier: GPL-3.0-or-later
// data/history.csv as the records window, kibbo-tool history and every
// append read it.
#include "FuzzCheck.h"
#include "scores/History.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kibbo::Loaded<std::vector<kibbo::GameRecord>> read = kibbo::ParseHistory(bytes);
    Require(read.skippedLines >= 0, "a count of skipped lines");

    // Every game read writes back as a line that reads as the same game.
    for (const kibbo::GameRecord& game : read.value) {
        const auto again = kibbo::ParseGameLine(kibbo::FormatGameLine(game));
        Require(again.has_value() && *again == game, "a game read from history.csv writes back the same");
    }
    for (const kibbo::Input input : {kibbo::Input::Romaji, kibbo::Input::Kana}) {
        for (const kibbo::KeyMisses& key : kibbo::MostMissedKeys(read.value, input))
            Require(key.count >= 0, "missed keys are counted, never negative");
    }
    // Read from the end, the latest games of each input are those of the whole read.
    const auto recent = kibbo::ParseRecentHistory(bytes).value;
    for (const kibbo::Input input : {kibbo::Input::Romaji, kibbo::Input::Kana})
        Require(kibbo::RecentGames(recent, input) == kibbo::RecentGames(read.value, input),
                "the latest games read from the end are the latest of the file");
    return 0;
}
