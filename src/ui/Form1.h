// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"
#include "store/DataKeeper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <string>

namespace kibbo {

// The key settings dialog: one choice box per preference slot, showing the
// spellings in use when the dialog opens and saving them by Apply and OK,
// with the any-spelling check box and its own file. The game takes them from
// its next dog; the saves are written beside the window, and Apply and OK
// are given back, or OK closes the dialog, when their result arrives.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(DataKeeper& keeper);

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
    void saved(const SaveOutcome& outcome);

signals:
    // The options button (Alt+O): the options window is the main window's.
    void optionsRequested();

private:
    DataKeeper& m_keeper;
    KeyPrefs m_keyPref{};
    bool m_closeWhenSaved = false; // the save on its way is OK's
    std::array<QComboBox*, kKeyPrefSlots> m_combo1{};
    QPushButton* m_command1 = nullptr; // 適用 (Apply)
    QPushButton* m_command2 = nullptr; // OK
    QCheckBox* m_anySpelling = nullptr; // saved in the options file, not the spellings file
    QPushButton* m_options = nullptr;
    QLabel* m_saveMessage = nullptr;
};

} // namespace kibbo
