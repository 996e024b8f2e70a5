// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/KeyStats.h"
#include "store/DataKeeper.h"

#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kibbo {

// The records window: the speed and mistypes of the latest games as a chart,
// a keyboard shaded by where the mistypes fell or by each key's time, and
// the weakest keys, from the history file as it was when the window opened;
// all of games typed on the input in use, the keyboard showing the letters
// or the kana to match.
// The file is read beside the window, which shows it once it has arrived,
// and never written; the window's one setting, weak-key practice, goes to
// the options.
class RecordsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit RecordsWindow(DataKeeper& keeper);

    // The history has arrived and is shown.
    bool loaded() const { return m_loaded; }

    // What the keyboard's shades show.
    enum class Shading { Mistypes, Time };
    Shading shading() const { return m_shading; }
    void setShading(Shading shading);
    QRadioButton* timeShadingButton() const { return m_byTime; }

    // The five weakest judged keys, weakest first, as their key caps show them.
    QStringList weakKeys() const { return m_weakKeys; }
    QString weakKeysText() const { return m_weakLabel ? m_weakLabel->text() : QString(); }
    QCheckBox* practiceBox() const { return m_practice; }
    // Why practice changes nothing yet; empty once keys are judged.
    QString practiceNote() const { return m_practiceNote->text(); }

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
    // One key of the keyboard picture: where it lies, its legend, and the
    // letter or the kana (with and without Shift) whose figures it shows.
    struct KeyCap {
        QRect rect;
        QString legend;
        KeyChar key = 0;
        KeyChar shifted = 0; // none when Shift types the same
    };
    const std::vector<KeyCap>& keyCaps() const { return m_caps; }
    // The shade of the key that types `key`: white for a key never missed
    // (or never timed), the darker the larger its share of the mistypes (or
    // the slower it is).
    QColor keyColour(KeyChar key) const;
    // The small text under its key cap: its share of the mistypes, or its
    // mean time; empty for none.
    QString keyNote(KeyChar key) const;
    QWidget* keyboard() const { return m_keyboard; }
    // Where the key that types `key` lies in the keyboard picture.
    QRect keyRect(KeyChar key) const;

    // The keys chosen to practise, of the input in use, in the order chosen;
    // a click on a key of the picture adds it or takes it away, at once in
    // the options; a click while the last one is being saved is not taken.
    std::u16string chosenKeys() const;
    void toggleChosenKey(KeyChar key);
    QString chosenKeysText() const { return m_chosenLabel->text(); }

private:
    void showHistory(const Loaded<std::vector<GameRecord>>& read);
    void showGames(const std::vector<GameRecord>& history);
    void addKeyControls();
    void savePractice(bool on);
    void practiceSaved(const SaveOutcome& outcome);
    void chosenSaved(const SaveOutcome& outcome);
    void showChosenKeys();
    const KeyCap* capOf(KeyChar key) const;
    double shareOf(const KeyCap& cap) const;
    std::optional<double> meanMsOf(const KeyCap& cap) const;

    DataKeeper& m_keeper;
    Input m_input;
    std::vector<KeyCap> m_caps;
    bool m_loaded = false;
    QPushButton* m_command1 = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_note = nullptr;
    QChart* m_chart = nullptr;
    QLineSeries* m_speed = nullptr;
    QBarSet* m_mistypes = nullptr;
    QWidget* m_keyboard = nullptr;
    QStringList m_worstKeys;
    std::map<KeyChar, double> m_shares; // of the mistypes over the recent games
    std::vector<KeyStat> m_stats;
    Shading m_shading = Shading::Mistypes;
    QRadioButton* m_byMistypes = nullptr;
    QRadioButton* m_byTime = nullptr;
    QStringList m_weakKeys;
    QLabel* m_weakLabel = nullptr;
    QCheckBox* m_practice = nullptr;
    QLabel* m_practiceNote = nullptr;
    // As the options file keeps them: those of either input.
    std::string m_focusKeys;
    std::string m_savedFocusKeys;
    bool m_savingChosen = false;
    QLabel* m_chosenLabel = nullptr;
};

} // namespace kibbo
