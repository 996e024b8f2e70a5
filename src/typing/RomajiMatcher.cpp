// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/RomajiMatcher.h"

#include "prefs/SpellingSlots.h"
#include "typing/Guide.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace kibbo {

namespace {

// Spellings the common input methods take beside the base list and the key
// settings' choices.
constexpr KanaRomaji kExtraSpellings[] = {
    {u"か", u"ca"}, {u"く", u"cu"}, {u"く", u"qu"}, {u"こ", u"co"},
    {u"し", u"ci"}, {u"せ", u"ce"},
    {u"ん", u"n'"}, {u"ん", u"xn"},
    {u"っ", u"ltsu"}, {u"っ", u"xtsu"},
    {u"ぃ", u"lyi"}, {u"ぃ", u"xyi"}, {u"ぇ", u"lye"}, {u"ぇ", u"xye"},
    {u"ちゃ", u"cya"}, {u"ちゅ", u"cyu"}, {u"ちぇ", u"cye"}, {u"ちょ", u"cyo"},
    // Also what the base list writes after a small っ: "jjya".
    {u"じゃ", u"jya"}, {u"じゅ", u"jyu"}, {u"じぇ", u"jye"}, {u"じょ", u"jyo"},
    {u"ふぁ", u"fwa"}, {u"ふぃ", u"fwi"}, {u"ふぇ", u"fwe"}, {u"ふぉ", u"fwo"},
    {u"うぃ", u"whi"}, {u"うぇ", u"whe"},
};

// A kana, or a two-kana sound, with every spelling that types it: the base
// form first, then the key settings' other choices, then the extras.
struct Unit {
    std::vector<std::u16string_view> spellings;
    int slot = -1;
};

using Units = std::unordered_map<std::u16string_view, Unit>;

const Units& AllUnits()
{
    static const Units units = [] {
        Units all;
        const auto add = [&all](std::u16string_view kana, std::u16string_view spelling) {
            auto& spellings = all[kana].spellings;
            if (std::find(spellings.begin(), spellings.end(), spelling) == spellings.end())
                spellings.push_back(spelling);
        };
        // A small っ before a kana is typed by doubling that kana's first
        // letter, whatever its spelling; the matcher doubles it itself.
        for (const auto& [kana, romaji] : BaseSpellings())
            if (kana.size() == 1 || kana[0] != u'っ')
                add(kana, romaji);
        for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
            for (std::u16string_view spelling : kSpellingSlots[slot].choices())
                add(kSpellingSlots[slot].kana, spelling);
            all[kSpellingSlots[slot].kana].slot = static_cast<int>(slot);
        }
        for (const auto& [kana, romaji] : kExtraSpellings)
            add(kana, romaji);
        return all;
    }();
    return units;
}

// The spelling the player chose for a slot, as MakeGuide reads the value.
std::u16string_view ChosenSpelling(int slot, const KeyPrefs& keyPref)
{
    const auto choices = kSpellingSlots[static_cast<std::size_t>(slot)].choices();
    const int value = keyPref[static_cast<std::size_t>(slot)];
    return (value == 1 || value == 2) && static_cast<std::size_t>(value) < choices.size()
               ? choices[static_cast<std::size_t>(value)]
               : choices[0];
}

// Letters a small っ doubles: consonants, except n (which would read as ん)
// and the letters of small kana.
bool Doubles(char16_t letter)
{
    return letter >= u'a' && letter <= u'z' && std::u16string_view(u"aiueonlx").find(letter) == std::u16string_view::npos;
}

} // namespace

RomajiMatcher::RomajiMatcher(std::u16string_view reading, const KeyPrefs& keyPref)
    : m_reading(reading)
    , m_keyPref(keyPref)
    , m_guide(MakeGuide(reading, keyPref))
{
    const Units& units = AllUnits();
    const int size = static_cast<int>(reading.size());

    // Plain spellings, the player's own first within each kana.
    std::vector<Edge> plain;
    for (int from = 0; from < size; ++from) {
        bool known = false;
        for (int length = 1; length <= 2 && from + length <= size; ++length) {
            const auto found = units.find(reading.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(length)));
            if (found == units.end())
                continue;
            known = true;
            const Unit& unit = found->second;
            const std::u16string_view chosen = unit.slot >= 0 ? ChosenSpelling(unit.slot, keyPref) : unit.spellings[0];
            plain.push_back({from, from + length, 0, chosen, 0});
            int rank = 1;
            for (std::u16string_view spelling : unit.spellings)
                if (spelling != chosen)
                    plain.push_back({from, from + length, 0, spelling, rank++});
        }
        // A character no list knows is typed as itself, as MakeGuide keeps it.
        if (!known)
            plain.push_back({from, from + 1, reading[static_cast<std::size_t>(from)], {}, 0});
    }

    // The edges by position, the end included, which no edge leaves. A small
    // っ is also typed as the doubled first letter of what follows it
    // ("tte"), and before "ch" as a "t" ("tchi").
    m_firstEdge.assign(static_cast<std::size_t>(size) + 2, 0);
    for (int from = 0; from < size; ++from) {
        m_firstEdge[static_cast<std::size_t>(from)] = static_cast<int>(m_edges.size());
        for (const Edge& edge : plain)
            if (edge.from == from)
                m_edges.push_back(edge);
        if (reading[static_cast<std::size_t>(from)] != u'っ')
            continue;
        for (const Edge& next : plain) {
            if (next.from != from + 1 || next.lead != 0 || !Doubles(next.spelling[0]))
                continue;
            m_edges.push_back({from, next.to, next.spelling[0], next.spelling, next.rank});
            if (next.spelling.starts_with(u"ch"))
                m_edges.push_back({from, next.to, u't', next.spelling, next.rank});
        }
    }
    m_firstEdge[static_cast<std::size_t>(size)] = static_cast<int>(m_edges.size());
    m_firstEdge[static_cast<std::size_t>(size) + 1] = static_cast<int>(m_edges.size());

    m_states.push_back({0, -1, 0});
}

bool RomajiMatcher::type(char16_t key)
{
    const auto letter = [](const Edge& edge, int at) {
        return edge.lead == 0 ? edge.spelling[static_cast<std::size_t>(at)]
               : at == 0      ? edge.lead
                              : edge.spelling[static_cast<std::size_t>(at - 1)];
    };
    const auto length = [](const Edge& edge) { return static_cast<int>(edge.spelling.size()) + (edge.lead ? 1 : 0); };

    m_next.clear();
    const auto step = [&](int index, int typed) {
        const Edge& edge = m_edges[static_cast<std::size_t>(index)];
        if (letter(edge, typed) != key)
            return;
        const State state = typed + 1 == length(edge) ? State{edge.to, -1, 0} : State{edge.to, index, typed + 1};
        if (std::find(m_next.begin(), m_next.end(), state) == m_next.end())
            m_next.push_back(state);
    };
    for (const State& state : m_states) {
        if (state.edge >= 0) {
            step(state.edge, state.typed);
            continue;
        }
        for (int index = m_firstEdge[static_cast<std::size_t>(state.pos)];
             index < m_firstEdge[static_cast<std::size_t>(state.pos) + 1]; ++index)
            step(index, 0);
    }
    if (m_next.empty())
        return false;

    const bool wasDone = done();
    std::swap(m_states, m_next);
    if (wasDone)
        return true;
    // A key the guide shows only shortens it, as when any spelling is off;
    // a key off the guide re-forms it.
    const int end = static_cast<int>(m_reading.size());
    if (std::any_of(m_states.begin(), m_states.end(), [end](const State& s) { return s.edge < 0 && s.pos == end; }))
        m_guide.clear();
    else if (key == m_guide[0])
        m_guide.erase(0, 1);
    else
        m_guide = reformedGuide();
    return true;
}

RomajiMatcher::Progress RomajiMatcher::progress() const
{
    // A state inside a spelling stands at its end, past its first kana.
    const auto from = [this](const State& state) {
        return static_cast<std::size_t>(state.edge >= 0 ? m_edges[static_cast<std::size_t>(state.edge)].from : state.pos);
    };
    // Done at a final ん's first n: a second one only goes on with "nn".
    if (done())
        return {m_reading.size(), m_reading.size()};
    std::size_t typed = m_reading.size();
    for (const State& state : m_states)
        typed = std::min(typed, from(state));
    // The next kana, or the kana of a spelling begun (both of しゃ, or っ
    // with the kana whose letter it doubles).
    std::size_t end = std::min(typed + 1, m_reading.size());
    for (const State& state : m_states) {
        if (state.edge >= 0)
            end = std::max(end, static_cast<std::size_t>(state.pos));
    }
    return {typed, end};
}

std::u16string RomajiMatcher::reformedGuide() const
{
    // The reading that has got furthest through the kana, then one that has
    // just finished a kana (ん as "n" over a begun "nn"), then the player's
    // own spelling, then the shortest rest.
    const auto order = [this](const State& state) {
        if (state.edge < 0)
            return std::tuple(-state.pos, 0, 0, 0);
        const Edge& edge = m_edges[static_cast<std::size_t>(state.edge)];
        return std::tuple(-state.pos, 1, edge.rank, static_cast<int>(edge.spelling.size()) - state.typed);
    };
    const State& best = *std::min_element(m_states.begin(), m_states.end(),
                                          [&](const State& a, const State& b) { return order(a) < order(b); });

    std::u16string rest;
    if (best.edge >= 0) {
        const Edge& edge = m_edges[static_cast<std::size_t>(best.edge)];
        // A state inside an edge has always typed its doubled letter.
        const int offset = best.typed - (edge.lead ? 1 : 0);
        rest = edge.spelling.substr(static_cast<std::size_t>(offset));
    }
    return rest + MakeGuide(std::u16string_view(m_reading).substr(static_cast<std::size_t>(best.pos)), m_keyPref);
}

} // namespace kibbo
