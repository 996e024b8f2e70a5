// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Game.h"
#include "store/DataKeeper.h"

#include <functional>

namespace kibbo {

// What the window does after each of its calls into the rules: the reads
// and saves the outcome asks for. They run beside the window, and their
// results come back as values.
class FollowUp {
public:
    // scoreSaved gets a cleared game once its score is saved (or could not
    // be) and weighed against the ranking: the entry window opens from there.
    FollowUp(Game& game, DataKeeper& keeper, std::function<void(const ClearResult&)> scoreSaved);

    void operator()(Outcome outcome);
    void operator()(ButtonOutcome outcome);
    // F2 or F3 changed the game's sound: the player's options keep it.
    void soundToggled(bool music);

private:
    Game& m_game;
    DataKeeper& m_keeper;
    std::function<void(const ClearResult&)> m_scoreSaved;
    // How saving the last cleared game's score went, until the ranking to
    // weigh it against has been read.
    SaveOutcome m_lastScoreSave;
};

} // namespace kibbo
