// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/PlayerStore.h"

#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <map>

namespace kibbo {

// The records window: the speed and mistypes of the latest games as a chart,
// and a keyboard shaded by where the mistypes fell, from the history file as
// it was when the window opened. It reads the file once and never writes it.
class RecordsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit RecordsWindow(PlayerStore& store);

    QPushButton* okButton() const { return m_command1; }
    // The sentence shown instead of the charts when no game is kept yet;
    // empty otherwise.
    QString message() const { return m_message->text(); }
    // A word on damaged lines or an unreadable file; empty when it was whole.
    QString note() const { return m_note->text(); }

    // Nothing when there are no games: no chart is drawn at all.
    QChart* chart() const { return m_chart; }
    QLineSeries* speedSeries() const { return m_speed; }
    QBarSet* mistypeBars() const { return m_mistypes; }

    // The keys named under the keyboard, the most missed first, as their
    // key caps show them.
    QStringList worstKeys() const { return m_worstKeys; }
    // A key's shade: white for a key never missed, the darker the larger its
    // share of the mistypes.
    QColor keyColour(char key) const;
    QWidget* keyboard() const { return m_keyboard; }
    // Where a key lies in the keyboard picture.
    static QRect keyRect(char key);

private:
    void loadHistory();

    PlayerStore& m_store;
    QPushButton* m_command1 = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_note = nullptr;
    QChart* m_chart = nullptr;
    QLineSeries* m_speed = nullptr;
    QBarSet* m_mistypes = nullptr;
    QWidget* m_keyboard = nullptr;
    QStringList m_worstKeys;
    std::map<char, double> m_shares; // of the mistypes over the recent games
};

} // namespace kibbo
