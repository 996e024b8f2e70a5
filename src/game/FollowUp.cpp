// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FollowUp.h"

#include "store/FileProblems.h"

#include <utility>

namespace kibbo {

FollowUp::FollowUp(Game& game, DataKeeper& keeper, std::function<void(const ClearResult&)> scoreSaved)
    : m_game(game)
    , m_keeper(keeper)
    , m_scoreSaved(std::move(scoreSaved))
{
}

void FollowUp::operator()(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Started:
    case Outcome::DogDone:
        // A file another program changed, where the folder's watch cannot
        // see it, is taken from the next dog on; a game ended since is in
        // the recent games by the time practice needs them.
        m_keeper.lookAgain();
        break;
    case Outcome::Cleared:
        // The entry window reads the score from the last-score file, so it
        // opens once the file is saved, and weighs it against the ranking
        // as saved then; the cleared screen waits for neither.
        m_keeper.saveLastScore(m_game.lastClear().score,
                               [this](const SaveOutcome& saved) { m_lastScoreSave = saved; });
        m_keeper.readRanking(m_game.lastClear().input, [this](const Loaded<Ranking>& ranking) {
            const ClearResult& clear = m_game.finishClear(m_lastScoreSave, ranking.value);
            if (m_scoreSaved)
                m_scoreSaved(clear);
        });
        break;
    case Outcome::Nothing:
    case Outcome::GameOver:
        break;
    }
}

void FollowUp::operator()(ButtonOutcome outcome)
{
    if (outcome == ButtonOutcome::Started)
        (*this)(Outcome::Started);
}

void FollowUp::soundToggled(bool music)
{
    const SoundLevels levels = m_game.soundLevels();
    m_keeper.saveOptions(
        [music, levels](Options& options) {
            if (music)
                options.music = levels.music;
            else
                options.effects = levels.effects;
        },
        ReportFailure(Unsaved::Options));
}

} // namespace kibbo
