// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A small reader for the Standard MIDI Files the game plays, enough to check
// their structure and how long they play.
struct MidiSummary {
    int format = 0;
    int tracks = 0;
    int division = 0;
    double seconds = 0;       // until the last track ends, through the tempo map
    int unmatchedNotes = 0;   // notes switched on and never off
    int noteCount = 0;
};

std::optional<MidiSummary> ReadMidi(const std::string& bytes);
