// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/PlayerStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

// Every message about one of the player's files, formed here once. The
// programs print them as one line on stderr after their own name.

// What a failed save leaves unsaved.
enum class Unsaved {
    LastScore,    // the cleared game's score
    HistoryGame,  // the game just ended, in the history
    KeySettings,  // the key settings, when no window is left to say so
    Options,      // an option set in the options window or by F2/F3
    RankingEntry, // a registered score, when no window is left to say so
    Nothing,      // kibbo-tool: the file was left as it was
};

// "cannot write FILE (REASON); ..." for a save that did not happen, or
// "cannot read FILE (REASON); ..." when the file it would replace cannot be
// read.
std::string CannotWrite(const SaveOutcome& outcome, Unsaved what);

// What a read of the ranking or the history says to kibbo-tool's user;
// nothing when the file read well (or is simply not there yet).
// error is the system's reason for an unreadable file.
std::optional<std::string> RankingReadProblem(const std::string& file, ReadState state, int error);
std::optional<std::string> HistoryReadProblem(const std::string& file, ReadState state, int skippedLines, int error);
// A spellings file named on the command line that cannot be read.
std::string CannotReadSpellings(const std::string& file);

// "PROGRAM: MESSAGE" on stderr.
void ReportFileProblem(std::string_view program, const std::string& message);

// For a save no window shows: a failure is said on stderr, where a player
// who reports it would look.
Completion<SaveOutcome> ReportFailure(Unsaved what);

} // namespace kibbo
