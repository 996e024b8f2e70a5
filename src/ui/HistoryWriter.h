// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/History.h"

#include <QThreadPool>

#include <string>

namespace kibbo {

// Appends each finished game to the history file beside the window: a save
// waits until the disk has it, which can take longer than a frame. Games
// are written one at a time in the order they ended, each stamped with the
// local time it ended; the last one is waited for when the game closes.
class HistoryWriter {
public:
    explicit HistoryWriter(std::string historyFile);
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;
    ~HistoryWriter();

    void append(GameRecord game);
    // Returns once every game handed over so far is written (or failed).
    void waitForWrites();

private:
    std::string m_historyFile;
    QThreadPool m_writer;
};

} // namespace kibbo
