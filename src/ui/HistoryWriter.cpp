// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryWriter.h"

#include <QDateTime>

#include <cstdio>

namespace kibbo {

HistoryWriter::HistoryWriter(std::string historyFile)
    : m_historyFile(std::move(historyFile))
{
    m_writer.setMaxThreadCount(1);
}

HistoryWriter::~HistoryWriter()
{
    waitForWrites();
}

void HistoryWriter::append(GameRecord game)
{
    game.time = QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toStdString();
    m_writer.start([path = m_historyFile, game = std::move(game)] {
        if (!AppendGame(path, game))
            std::fprintf(stderr, "kibbo: cannot write %s; this game is not kept in the history\n", path.c_str());
    });
}

void HistoryWriter::waitForWrites()
{
    m_writer.waitForDone();
}

} // namespace kibbo
