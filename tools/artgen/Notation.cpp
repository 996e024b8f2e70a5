// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Words.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace artgen {

namespace {

int PitchClass(char letter)
{
    static constexpr int classes[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    return classes[std::tolower(letter) - 'a'];
}

// Returns the MIDI key of a pitch like "bb4" or "f#5".
int ParsePitch(std::string_view p)
{
    int pc = PitchClass(p[0]);
    std::size_t i = 1;
    if (i < p.size() && p[i] == '#') {
        ++pc;
        ++i;
    } else if (i < p.size() && p[i] == 'b') {
        --pc;
        ++i;
    }
    const int octave = std::stoi(std::string(p.substr(i)));
    return 12 * (octave + 1) + pc;
}

} // namespace

void AddNote(MidiPart& part, int tick, int length, int key, int velocity)
{
    part.notes.push_back({tick, length, key, std::clamp(velocity, 1, 127)});
}

int Staff::play(std::string_view tokens, int velocity, double legato, int transpose)
{
    int units = 1;
    for (std::string_view token : Words(tokens, ' ')) {
        if (token == "|")
            continue;
        std::string_view pitches = token;
        if (std::size_t colon = token.find(':'); colon != std::string_view::npos) {
            units = std::stoi(std::string(token.substr(colon + 1)));
            pitches = token.substr(0, colon);
        }
        const int length = units * m_unit;
        if (pitches != "r") {
            for (std::string_view p : Words(pitches, '+'))
                AddNote(m_part, m_tick, std::max(1, static_cast<int>(length * legato)),
                        ParsePitch(p) + transpose, velocity);
        }
        m_tick += length;
    }
    return m_tick;
}

Chord ParseChord(std::string_view symbol)
{
    Chord c;
    c.root = PitchClass(symbol[0]);
    std::size_t i = 1;
    if (i < symbol.size() && symbol[i] == '#') {
        c.root = (c.root + 1) % 12;
        ++i;
    } else if (i < symbol.size() && symbol[i] == 'b') {
        c.root = (c.root + 11) % 12;
        ++i;
    }
    const std::string_view quality = symbol.substr(i);
    if (quality == "m")
        c.intervals = {0, 3, 7};
    else if (quality == "m7")
        c.intervals = {0, 3, 7, 10};
    else if (quality == "7")
        c.intervals = {0, 4, 7, 10};
    else if (quality == "maj7")
        c.intervals = {0, 4, 7, 11};
    else if (quality == "dim")
        c.intervals = {0, 3, 6, 9};
    else if (quality == "sus4")
        c.intervals = {0, 5, 7};
    else if (quality == "6")
        c.intervals = {0, 4, 7, 9};
    else
        c.intervals = {0, 4, 7};
    return c;
}

std::vector<Chord> ChordsPerBeat(std::string_view progression, int beatsPerBar)
{
    std::vector<Chord> beats;
    for (std::string_view bar : Words(progression, '|')) {
        std::vector<std::string_view> symbols;
        for (std::string_view s : Words(bar, ' '))
            symbols.push_back(s);
        if (symbols.empty())
            continue;
        for (int b = 0; b < beatsPerBar; ++b)
            beats.push_back(ParseChord(symbols[b * symbols.size() / beatsPerBar]));
    }
    return beats;
}

std::vector<int> Voicing(const Chord& chord, int lowKey)
{
    std::vector<int> keys;
    for (int iv : chord.intervals) {
        int pc = (chord.root + iv) % 12;
        int key = lowKey + ((pc - lowKey % 12) + 12) % 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace artgen
