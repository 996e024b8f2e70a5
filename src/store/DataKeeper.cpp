// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataKeeper.h"

#include <utility>

namespace kibbo {

DataKeeper::DataKeeper(PlayerStore& store)
    : m_store(store)
    , m_self(std::make_shared<DataKeeper*>(this))
{
}

template <class Result>
Completion<Result> DataKeeper::mine(std::function<void(DataKeeper&, Result&)> step, Completion<Result> done)
{
    return [self = std::weak_ptr<DataKeeper*>(m_self), step = std::move(step), done = std::move(done)](Result result) {
        if (const std::shared_ptr<DataKeeper*> keeper = self.lock())
            step(**keeper, result);
        if (done)
            done(std::move(result));
    };
}

void DataKeeper::load()
{
    m_store.readAll(mine<FileReads>([](DataKeeper& keeper, FileReads& reads) { keeper.take(reads); }, {}));
    m_store.watch([self = std::weak_ptr<DataKeeper*>(m_self)] {
        if (const std::shared_ptr<DataKeeper*> keeper = self.lock())
            (*keeper)->lookAgain();
    });
}

void DataKeeper::lookAgain()
{
    // Looks asked for while one is on its way are one look after it.
    if (m_looking) {
        m_lookAgain = true;
        return;
    }
    m_looking = true;
    m_lookAgain = false;
    m_store.lookAgain(mine<FileReads>([](DataKeeper& keeper, FileReads& reads) { keeper.looked(reads); }, {}));
}

void DataKeeper::looked(const FileReads& reads)
{
    FileReads taken = reads;
    if (m_keyPrefsSaves > 0)
        taken.keyPrefs.reset();
    if (m_optionsSaves > 0)
        taken.options.reset();
    take(taken);
    m_looking = false;
    if (m_lookAgain)
        lookAgain();
}

void DataKeeper::take(const FileReads& reads)
{
    const bool any = reads.keyPrefs || reads.options || reads.ranking || reads.kanaRanking || reads.lastScore
                     || reads.recentGames;
    // A slot the file cannot supply keeps the spelling in use.
    if (reads.keyPrefs && reads.keyPrefs->state == ReadState::Loaded)
        m_data.keyPrefs = ParseKeyPrefs(reads.keyPrefs->value, m_data.keyPrefs);
    if (reads.options)
        m_data.options = reads.options->value;
    if (reads.ranking)
        m_data.ranking = *reads.ranking;
    if (reads.kanaRanking)
        m_data.kanaRanking = *reads.kanaRanking;
    if (reads.lastScore)
        m_data.lastScore = *reads.lastScore;
    if (reads.recentGames)
        m_data.recentGames = reads.recentGames->value;
    if (any)
        notify();
}

void DataKeeper::notify()
{
    if (changed)
        changed();
}

void DataKeeper::saveKeyPrefs(const KeyPrefs& prefs, Completion<SaveOutcome> done)
{
    m_data.keyPrefs = prefs;
    ++m_keyPrefsSaves;
    notify();
    m_store.saveKeyPrefs(prefs, mine<SaveOutcome>(
                                    [](DataKeeper& keeper, SaveOutcome&) {
                                        if (--keeper.m_keyPrefsSaves == 0)
                                            keeper.lookAgain();
                                    },
                                    std::move(done)));
}

void DataKeeper::saveOptions(std::function<void(Options&)> change, Completion<SaveOutcome> done)
{
    change(m_data.options);
    ++m_optionsSaves;
    notify();
    m_store.saveOptions(std::move(change), mine<SaveOutcome>(
                                               [](DataKeeper& keeper, SaveOutcome&) {
                                                   if (--keeper.m_optionsSaves == 0)
                                                       keeper.lookAgain();
                                               },
                                               std::move(done)));
}

void DataKeeper::registerScore(Input input, std::int32_t score, std::u16string name, Completion<Registration> done)
{
    m_store.registerScore(input, score, std::move(name),
                          mine<Registration>(
                              [input](DataKeeper& keeper, Registration& registration) {
                                  if (!registration.outcome.saved())
                                      return;
                                  keeper.m_data.rankingOf(input) = {registration.ranking, ReadState::Loaded};
                                  keeper.notify();
                              },
                              std::move(done)));
}

void DataKeeper::saveLastScore(std::int32_t score, Completion<SaveOutcome> done)
{
    m_store.saveLastScore(score, mine<SaveOutcome>(
                                     [score](DataKeeper& keeper, SaveOutcome& outcome) {
                                         if (!outcome.saved())
                                             return;
                                         keeper.m_data.lastScore = {score, ReadState::Loaded};
                                         keeper.notify();
                                     },
                                     std::move(done)));
}

void DataKeeper::appendGame(GameRecord game, Completion<SaveOutcome> done)
{
    // The recent games are read again at the next look.
    m_store.appendGame(std::move(game), std::move(done));
}

void DataKeeper::readRanking(Input input, Completion<Loaded<Ranking>> done)
{
    m_store.readRanking(input, mine<Loaded<Ranking>>(
        [input](DataKeeper& keeper, Loaded<Ranking>& ranking) {
            keeper.m_data.rankingOf(input) = ranking;
            keeper.notify();
        },
        std::move(done)));
}

void DataKeeper::readHistory(Completion<Loaded<std::vector<GameRecord>>> done)
{
    m_store.readHistory(std::move(done));
}

void DataKeeper::afterSaves(std::function<void()> then)
{
    m_store.afterSaves(std::move(then));
}

} // namespace kibbo
