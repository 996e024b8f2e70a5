// SPDX-License-Identifier: GPL-3.0-or-later
// The reader the music checks rely on, tried on a file written by hand.
#include "MidiReader.h"

#include <gtest/gtest.h>

namespace {

// One conductor track at 120 then 60 beats a minute, and one note track.
std::string HandMadeFile(bool closeTheNote)
{
    std::string b("MThd\0\0\0\x06\0\x01\0\x02\x01\xe0", 14); // format 1, 2 tracks, 480 per quarter
    const std::string conductor("\x00\xff\x51\x03\x07\xa1\x20"   // 120 bpm at tick 0
                                "\x83\x60\xff\x51\x03\x0f\x42\x40" // 60 bpm at tick 480
                                "\x83\x60\xff\x2f\x00",            // ends at tick 960
                                20);
    std::string notes("\x00\x90\x3c\x64", 4);
    notes += closeTheNote ? std::string("\x87\x40\x80\x3c\x00", 5) : std::string("\x87\x40\xb0\x07\x64", 5);
    notes += std::string("\x00\xff\x2f\x00", 4); // ends at tick 960
    auto chunk = [](const std::string& body) {
        std::string c = "MTrk";
        for (int shift = 24; shift >= 0; shift -= 8)
            c += static_cast<char>((body.size() >> shift) & 0xff);
        return c + body;
    };
    return b + chunk(conductor) + chunk(notes);
}

} // namespace

// Half a second at 120, then one second at 60: one and a half seconds.
TEST(MidiReader, LengthFollowsTheTempoMap)
{
    const auto midi = ReadMidi(HandMadeFile(true));
    ASSERT_TRUE(midi);
    EXPECT_EQ(midi->tracks, 2);
    EXPECT_EQ(midi->noteCount, 1);
    EXPECT_EQ(midi->unmatchedNotes, 0);
    EXPECT_DOUBLE_EQ(midi->seconds, 1.5);
}

// A note that never stops is reported.
TEST(MidiReader, CountsNotesLeftSounding)
{
    const auto midi = ReadMidi(HandMadeFile(false));
    ASSERT_TRUE(midi);
    EXPECT_EQ(midi->unmatchedNotes, 1);
}

// A file cut short is no MIDI file.
TEST(MidiReader, RejectsTruncatedFile)
{
    const std::string whole = HandMadeFile(true);
    EXPECT_FALSE(ReadMidi(whole.substr(0, whole.size() - 3)));
}
