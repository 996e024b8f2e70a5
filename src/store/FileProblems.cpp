// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileProblems.h"

#include <cstdio>
#include <cstring>

namespace kibbo {

namespace {

std::string_view Consequence(Unsaved what)
{
    switch (what) {
    case Unsaved::LastScore:
        return "the score of this game is not saved";
    case Unsaved::HistoryGame:
        return "this game is not kept in the history";
    case Unsaved::KeySettings:
        return "the key settings are not saved";
    case Unsaved::Options:
        return "the option is not kept for the next start";
    case Unsaved::RankingEntry:
        return "the score is not entered in the ranking";
    case Unsaved::Nothing:
        break;
    }
    return "nothing was changed";
}

// " (Permission denied)": the system's reason, when it gave one.
std::string Reason(int error)
{
    return error != 0 ? " (" + std::string(std::strerror(error)) + ")" : std::string();
}

} // namespace

std::string CannotWrite(const SaveOutcome& outcome, Unsaved what)
{
    if (outcome.result == SaveResult::NameNotStorable && what == Unsaved::Nothing)
        return "a name in " + outcome.file + " cannot be written back; nothing was changed";
    // A file that cannot be read is not replaced, since a save keeping
    // part of it would lose the rest: what failed is the read.
    const char* verb = outcome.result == SaveResult::NotReplaced ? "cannot read " : "cannot write ";
    return verb + outcome.file + Reason(outcome.error) + "; " + std::string(Consequence(what));
}

std::optional<std::string> RankingReadProblem(const std::string& file, ReadState state, int error)
{
    switch (state) {
    case ReadState::Loaded:
    case ReadState::Missing:
        return std::nullopt;
    case ReadState::TooLarge:
        return file + " is larger than the game ever writes it; not read, its places show as 0";
    case ReadState::Unreadable:
        return "cannot read " + file + Reason(error) + "; its places show as 0";
    case ReadState::Damaged:
        break;
    }
    return file + " is damaged; unreadable places show as 0";
}

std::optional<std::string> HistoryReadProblem(const std::string& file, ReadState state, int skippedLines, int error)
{
    switch (state) {
    case ReadState::TooLarge:
        return file + " is larger than the game ever writes it; not read";
    case ReadState::Unreadable:
        return "cannot read " + file + Reason(error);
    case ReadState::Damaged:
        if (skippedLines > 0)
            return std::to_string(skippedLines) + " damaged lines of " + file + " skipped";
        break;
    case ReadState::Loaded:
    case ReadState::Missing:
        break;
    }
    return std::nullopt;
}

std::string CannotReadSpellings(const std::string& file)
{
    return "cannot read preference file '" + file + "'";
}

void ReportFileProblem(std::string_view program, const std::string& message)
{
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(), message.c_str());
}

Completion<SaveOutcome> ReportFailure(Unsaved what)
{
    return [what](const SaveOutcome& outcome) {
        if (!outcome.saved())
            ReportFileProblem("kibbo", CannotWrite(outcome, what));
    };
}

} // namespace kibbo
