// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MidiWriter.h"

#include <string_view>
#include <vector>

namespace artgen {

// A tiny notation so that tunes can be written down as text:
//   "c5:2 a4:1 c5 | f5:3 r:1 e5+g5:4"
// A token is a pitch (letter, optional '#' or 'b', octave; "c4" is middle C),
// several pitches joined by '+' sounding together, or 'r' for a rest, with an
// optional ":n" length in units (the last length is kept when it is left
// out). '|' marks bar lines for the reader and is skipped.
class Staff {
public:
    Staff(MidiPart& part, int unitTicks, int startTick = 0)
        : m_part(part), m_unit(unitTicks), m_tick(startTick) {}

    // Plays the tokens from the current position; returns the position after them.
    int play(std::string_view tokens, int velocity, double legato = 0.9, int transpose = 0);
    void rest(int units) { m_tick += units * m_unit; }
    void seek(int tick) { m_tick = tick; }
    int tick() const { return m_tick; }

private:
    MidiPart& m_part;
    int m_unit;
    int m_tick;
};

// Chord symbols such as "F", "Dm", "Gm7", "C7", "Bbmaj7", "Bdim", "Esus4":
// the root's pitch class (0 = C) and the intervals above it.
struct Chord {
    int root = 0;
    std::vector<int> intervals;
};
Chord ParseChord(std::string_view symbol);

// A chord progression written as "F | Dm | Gm7 C7 | F": one entry per bar,
// each bar split evenly among its chords. Gives the chord at every beat.
std::vector<Chord> ChordsPerBeat(std::string_view progression, int beatsPerBar);

// The chord's tones placed in the octave starting at lowKey, in rising order.
std::vector<int> Voicing(const Chord& chord, int lowKey);

void AddNote(MidiPart& part, int tick, int length, int key, int velocity);

} // namespace artgen
