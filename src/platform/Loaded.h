// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kibbo {

// How a read of one of the player's files went: the one answer every read
// gives, from the bytes on disk up to the store the game asks.
enum class ReadState {
    Loaded,     // read; a file with gaps still reads as Loaded where the format allows it
    Missing,    // no such file
    Damaged,    // read, but some of it made no sense; the rest is in the value
    TooLarge,   // larger than any file the game writes; not read at all
    Unreadable, // there but not readable (permissions, I/O error, no regular file)
};

// The value read (or the empty value when nothing could be read) and how the
// read went.
template <class T>
struct Loaded {
    T value{};
    ReadState state = ReadState::Missing;
    int skippedLines = 0; // the history's damaged lines, left out of value
    int error = 0;        // the system's reason (errno) when Unreadable
};

} // namespace kibbo
