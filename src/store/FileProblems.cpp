// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileProblems.h"

#include <cstdio>

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

} // namespace

std::string CannotWrite(const SaveOutcome& outcome, Unsaved what)
{
    if (outcome.result == SaveResult::NameNotStorable && what == Unsaved::Nothing)
        return "a name in " + outcome.file + " cannot be written back; nothing was changed";
    return "cannot write " + outcome.file + "; " + std::string(Consequence(what));
}

std::optional<std::string> RankingReadProblem(const std::string& file, ReadState state)
{
    if (state == ReadState::Loaded || state == ReadState::Missing)
        return std::nullopt;
    return file + " is damaged; unreadable places show as 0";
}

std::optional<std::string> HistoryReadProblem(const std::string& file, ReadState state, int skippedLines)
{
    switch (state) {
    case ReadState::TooLarge:
        return file + " is larger than the game ever writes it; not read";
    case ReadState::Unreadable:
        return "cannot read " + file;
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

} // namespace kibbo
