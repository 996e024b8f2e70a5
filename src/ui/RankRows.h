// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreFiles.h"
#include "ui/LineWidget.h"

#include <QLabel>
#include <QWidget>

#include <array>

namespace kibbo {

// The seven rows of the ranking as both score windows show them: the place
// number, the score in the place's own colour, the unit and the name, with a
// line along each row's top edge. Row k always shows place k + 1.
class RankRows final {
public:
    // firstTop is the top edge of place 1's row in twips; each further row
    // lies 360 twips lower. The labels are children of parent.
    RankRows(QWidget* parent, int firstTop);

    // Fills the score and name of every row from places 1 to 7; the
    // overflow slot is never shown.
    void show(const Ranking& ranking);

    QLabel* label6(int k) const { return m_rows[Index(k)].label6; }
    QLabel* tok(int k) const { return m_rows[Index(k)].tok; }
    QLabel* unit(int k) const { return m_rows[Index(k)].unit; }
    QLabel* nameScore(int k) const { return m_rows[Index(k)].nameScore; }
    LineWidget* line(int k) const { return m_rows[Index(k)].line; }

private:
    static std::size_t Index(int k) { return static_cast<std::size_t>(k); }

    struct Row {
        QLabel* label6 = nullptr;
        QLabel* tok = nullptr;
        QLabel* unit = nullptr;
        QLabel* nameScore = nullptr;
        LineWidget* line = nullptr;
    };
    std::array<Row, kRankPlaces> m_rows{};
};

// A score as every score label shows it: plain decimal, with a minus sign
// when negative.
QString ScoreText(std::int32_t score);

} // namespace kibbo
