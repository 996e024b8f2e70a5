// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryWriter.h"

#include "store/FileProblems.h"

#include <QDateTime>

#include <utility>

namespace kibbo {

HistoryWriter::HistoryWriter(DataKeeper& keeper)
    : m_keeper(keeper)
{
}

void HistoryWriter::append(GameRecord game)
{
    game.time = QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toStdString();
    m_keeper.appendGame(std::move(game), ReportFailure(Unsaved::HistoryGame));
}

} // namespace kibbo
