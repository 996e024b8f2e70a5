// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kibbo {

// The options file: choices beyond the spellings, one key=value line each,
// ended by CR LF. The spellings file keeps exactly its 43 lines, so that
// its format never changes. Every value reads as its default when the key
// is missing or its value is not one the option can take, so a missing or
// damaged file is the classic game.
struct Options {
    // any_spelling=1: every common spelling of a kana is typed as correct,
    // not only the one the guide shows.
    bool anySpelling = false;
    // weak_keys=1: every second dog is chosen to train the player's weak keys.
    bool weakKeys = false;
    // music, effects: 1 plays, 0 mutes; their volumes 0 to 100 per cent.
    bool music = true;
    bool effects = true;
    int musicVolume = 100;
    int effectsVolume = 100;
    // pause=1: Escape or losing the keyboard pauses a game in play.
    bool pause = false;
    // The window's size in per cent: one of kWindowScales.
    int scale = 100;
    // input=kana: keys are read by their place on the keyboard and judged as
    // the kana printed on them; input=romaji (the default) types the guide's
    // letters.
    bool kanaInput = false;
    // reading=1: the dog's reading in hiragana is shown in play, the kana
    // being typed marked.
    bool reading = false;
    // guide=hidden: the guide is not shown, only after a mistype until the
    // dog is done; guide=shown (the default) is the classic game.
    bool guideHidden = false;
    // focus_keys: the keys the player chose to practise, in the order
    // chosen, as UTF-8 text without separators (letters, or kana keys).
    std::string focusKeys;

    // The known keys the file held, so that a save writes back a value set
    // to its default rather than dropping the line; a key never held is
    // written only when it differs from its default, so that a file written
    // with every option at its default stays as it always was.
    std::set<std::string, std::less<>> held;
    // Lines of keys this version does not know, kept as they were on save.
    std::vector<std::pair<std::string, std::string>> others;
};

inline constexpr int kWindowScales[] = {100, 125, 150, 200};

Options ParseOptions(std::string_view bytes);
std::string FormatOptions(const Options& options);

} // namespace kibbo
