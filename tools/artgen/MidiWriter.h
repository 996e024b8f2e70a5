// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace artgen {

inline constexpr int kTicksPerQuarter = 480;

struct MidiNote {
    int tick;     // start, in ticks from the beginning
    int length;   // in ticks
    int key;      // MIDI note number
    int velocity; // 1..127
};

struct MidiTempo {
    int tick;
    int bpm;
};

// One instrument on its own channel (9 is General MIDI percussion).
struct MidiPart {
    std::string name;
    int channel = 0;
    int program = 0; // General MIDI program, 0-based; ignored on channel 9
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<MidiNote> notes;
};

struct MidiSong {
    std::string title;
    int beatsPerBar = 4;
    std::vector<MidiTempo> tempi; // the first one at tick 0
    std::vector<MidiPart> parts;
    int endTick = 0; // every track ends here, so the piece stops once
};

// The bytes of a format 1 Standard MIDI File: a conductor track with the
// tempo map, then one track per part.
std::string MidiBytes(const MidiSong& song);

} // namespace artgen
