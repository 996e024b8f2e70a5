// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryWriter.h"

#include "store/FileProblems.h"

#include <QDateTime>

#include <utility>

namespace kibbo {

HistoryWriter::HistoryWriter(PlayerStore& store)
    : m_store(store)
{
}

void HistoryWriter::append(GameRecord game)
{
    game.time = QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toStdString();
    m_store.appendGame(std::move(game), [](const SaveOutcome& saved) {
        if (!saved.saved())
            ReportFileProblem("kibbo", CannotWrite(saved, Unsaved::HistoryGame));
    });
}

} // namespace kibbo
