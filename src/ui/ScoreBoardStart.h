// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"
#include "scores/ScoreFiles.h"
#include "typing/KanaKeys.h"
#include "ui/RankRows.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <string>

namespace kibbo {

// The ranking viewer: the seven places as the ranking file held them when the
// window opened. It reads the file once and never writes it; a ranking saved
// while it is open shows at its next opening.
class ScoreBoardStart final : public QWidget {
    Q_OBJECT
public:
    // ranking as last read, of games typed on input.
    explicit ScoreBoardStart(const Loaded<Ranking>& ranking, Input input = Input::Romaji);

    QPushButton* okButton() const { return m_command1; }
    QPushButton* recordsButton() const { return m_kiroku; }
    const RankRows& rows() const { return m_rows; }
    QString placeScore(int k) const { return m_rows.tok(k)->text(); }
    QString placeName(int k) const { return m_rows.nameScore(k)->text(); }
    // A word on a missing or damaged ranking file; empty when it was whole.
    QString note() const { return m_note->text(); }
    QString title() const { return m_title->text(); }

signals:
    // The player asked for the records window; the main window opens it.
    void recordsRequested();

private:
    void createControls();
    void loadRanking(const Loaded<Ranking>& read);

    QPushButton* m_command1 = nullptr;
    QPushButton* m_kiroku = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_title = nullptr;
    RankRows m_rows;
};

} // namespace kibbo
