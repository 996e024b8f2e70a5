// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreFiles.h"
#include "store/DataKeeper.h"
#include "ui/RankRows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstdint>
#include <string>

namespace kibbo {

// The high-score entry window: shows the new score beside the ranking as
// saved, puts the player's name into its place on register and saves the
// ranking on OK. It runs beside the game and keeps its own copy of the
// ranking until the save.
class ScoreBoard final : public QWidget {
    Q_OBJECT
public:
    // clearedScore is the score the game has just saved as the last score,
    // used when that file says otherwise; it enters the ranking of input.
    ScoreBoard(DataKeeper& keeper, std::int32_t clearedScore, Input input = Input::Romaji);

    QLineEdit* nameBox() const { return m_text1; }
    QPushButton* registerButton() const { return m_touroku; }
    QPushButton* okButton() const { return m_command1; }
    const RankRows& rows() const { return m_rows; }
    QLabel* newScoreLabel() const { return m_label4; }
    QString placeScore(int k) const { return m_rows.tok(k)->text(); }
    QString placeName(int k) const { return m_rows.nameScore(k)->text(); }
    // What the window has to tell the player; empty when nothing.
    QString message() const { return m_message->text(); }
    QString title() const { return m_title->text(); }

private:
    void createControls();
    void loadRanking();
    void loadLastScore(std::int32_t clearedScore);
    void registerEntry();
    void saveAndClose();
    void finishSave(const Registration& registration);
    void showMessage(const QString& text);

    DataKeeper& m_keeper;
    Input m_input;
    Ranking m_ranking;
    std::int32_t m_newScore = 0;
    std::u16string m_entryName; // as registered, saved by OK
    // Said at opening; it comes back once a refused name has been mended.
    QString m_openingNote;
    QLineEdit* m_text1 = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_touroku = nullptr;
    QPushButton* m_command1 = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_title = nullptr;
    RankRows m_rows;
};

} // namespace kibbo
