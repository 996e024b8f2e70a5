// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileProblems.h"
#include "store/PlayerStore.h"

#include <QPointer>

namespace kibbo {

inline const SaveOutcome& OutcomeOf(const SaveOutcome& outcome)
{
    return outcome;
}

inline const SaveOutcome& OutcomeOf(const Registration& registration)
{
    return registration.outcome;
}

// Where a save's result goes: to the window that asked for it, which shows
// it, while the window is open; once it is closed a failure is said on
// stderr, naming what was not saved.
template <class Window, class Result>
Completion<Result> ShowIn(Window* window, void (Window::*show)(const Result&), Unsaved what)
{
    return [window = QPointer<Window>(window), show, what](const Result& result) {
        if (window)
            (window.data()->*show)(result);
        else if (!OutcomeOf(result).saved())
            ReportFileProblem("kibbo", CannotWrite(OutcomeOf(result), what));
    };
}

} // namespace kibbo
