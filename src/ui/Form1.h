// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"
#include "store/PlayerStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <string>

namespace kibbo {

// The key settings dialog: one choice box per preference slot, loaded from
// the player's spellings file when the dialog opens and saved back by Apply
// and OK, with the any-spelling check box and its own file. The saves are
// written beside the window; Apply and OK are given back, or OK closes the
// dialog, when their result arrives. It runs
// beside the game and never touches the game's own copy of the
// preferences; the game reads the file again at its next dog.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(PlayerStore& store);

    QComboBox* combo(int slot) const { return m_combo1[static_cast<std::size_t>(slot)]; }
    QPushButton* okButton() const { return m_command2; }
    QPushButton* applyButton() const { return m_command1; }
    QCheckBox* anySpelling() const { return m_anySpelling; }
    QPushButton* optionsButton() const { return m_options; }
    // Shown only while the last save failed.
    QLabel* saveMessage() const { return m_saveMessage; }

private:
    void createControls();
    void loadKeyPrefs();
    // Apply: the choices into keyPref, keyPref into the file. When the file
    // could not be written the dialog says so; otherwise OK closes it.
    void apply(bool closeWhenSaved);
    void saved(bool closeWhenSaved, const SaveOutcome& outcome);

signals:
    // The options button (Alt+O): the options window is the main window's.
    void optionsRequested();

private:
    PlayerStore& m_store;
    KeyPrefs m_keyPref{};
    std::array<QComboBox*, kKeyPrefSlots> m_combo1{};
    QPushButton* m_command1 = nullptr; // 適用 (Apply)
    QPushButton* m_command2 = nullptr; // OK
    QCheckBox* m_anySpelling = nullptr; // saved in the options file, not the spellings file
    QPushButton* m_options = nullptr;
    QLabel* m_saveMessage = nullptr;
};

} // namespace kibbo
