// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kibbo {

// Judges the keys typed for one dog when any common spelling of its reading
// may be typed. The guide starts as MakeGuide writes it; its next letter is
// always right, and a key that begins another accepted spelling of the kana
// still to type is right too, re-forming the guide to the rest of that
// spelling and the player's own spellings after it. Every reading of the keys
// so far that is still possible is kept, so no right key leads to a dead end.
class RomajiMatcher {
public:
    RomajiMatcher(std::u16string_view reading, const KeyPrefs& keyPref);

    // Whether the key is right. A wrong key changes nothing. The reading is
    // done as soon as the keys spell all of it, so a final ん is done at its
    // first "n" even where the guide shows "nn". Once done, a key is right
    // only where it goes on with a spelling still open (that second n, or
    // the ' of "n'"): a game that offers a key to the finished dog before
    // the next one does not count it as a mistype on the next dog.
    bool type(char16_t key);

    // What is left to type, as the screen shows it.
    const std::u16string& guide() const { return m_guide; }
    bool done() const { return m_guide.empty(); }

    // Where the keys stand in the reading: the kana before `typed` are
    // typed in every spelling the keys may be, and those up to `end` are
    // the ones the next keys go on with (at least one, until done). So
    // `typed` moves only once a kana's letters are all typed.
    struct Progress {
        std::size_t typed;
        std::size_t end;
        bool operator==(const Progress&) const = default;
    };
    Progress progress() const;

private:
    // One way to type the kana from position `from` up to `to`: a spelling,
    // after a leading letter where there is one (the doubled letter of a
    // small っ, or a character no list knows, typed as itself).
    struct Edge {
        int from;
        int to;
        char16_t lead;
        std::u16string_view spelling;
        int rank; // 0 is the player's own spelling
    };
    // Either at a kana boundary (edge < 0) or `typed` letters into an edge.
    struct State {
        int pos;
        int edge;
        int typed;
        bool operator==(const State&) const = default;
    };

    std::u16string reformedGuide() const;

    std::u16string m_reading;
    KeyPrefs m_keyPref;
    std::vector<Edge> m_edges;     // ordered by `from`
    std::vector<int> m_firstEdge;  // per position, into m_edges
    std::vector<State> m_states;
    std::vector<State> m_next;     // kept to spare an allocation per key
    std::u16string m_guide;
};

} // namespace kibbo
