// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/SoundService.h"
#include "store/DataKeeper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include <functional>

namespace kibbo {

// The options window: music and effects on or off and their volumes, the
// pause, the window's size, kana input and the learning aids: the reading
// and a hidden guide. Every change is saved into the options file
// as it is made and the sound follows at once; the size, which the window
// system fixes at start, from the next start, as the window says.
class OptionsWindow final : public QWidget {
    Q_OBJECT
public:
    // runningScale is the size in per cent the game was started with.
    OptionsWindow(DataKeeper& keeper, int runningScale);

    QCheckBox* music() const { return m_music; }
    QCheckBox* effects() const { return m_effects; }
    QSlider* musicVolume() const { return m_musicVolume; }
    QSlider* effectsVolume() const { return m_effectsVolume; }
    QCheckBox* pause() const { return m_pause; }
    QComboBox* scale() const { return m_scale; }
    // From the next game on.
    QCheckBox* kanaInput() const { return m_kanaInput; }
    // From the next dog on.
    QCheckBox* reading() const { return m_reading; }
    QCheckBox* guideHidden() const { return m_guideHidden; }
    // Shown while the size chosen is not the size the game runs at.
    QLabel* nextStartNote() const { return m_nextStart; }
    // Shown only while the last save failed.
    QLabel* saveMessage() const { return m_saveMessage; }
    QPushButton* okButton() const { return m_ok; }

    // The sound as it is now, when F2 or F3 changed it with the window open.
    void showSound(const SoundLevels& levels);

signals:
    // The sound settings of the window, to be heard at once.
    void soundChanged(const SoundLevels& levels);

private:
    void createControls();
    void load();
    SoundLevels levels() const;
    void soundEdited();
    void save(std::function<void(Options&)> change);
    void saved(const SaveOutcome& outcome);
    void showNextStartNote();

    DataKeeper& m_keeper;
    const int m_runningScale;
    bool m_loading = false; // the controls are being set from the file
    QCheckBox* m_music = nullptr;
    QSlider* m_musicVolume = nullptr;
    QLabel* m_musicValue = nullptr;
    QCheckBox* m_effects = nullptr;
    QSlider* m_effectsVolume = nullptr;
    QLabel* m_effectsValue = nullptr;
    QCheckBox* m_pause = nullptr;
    QComboBox* m_scale = nullptr;
    QCheckBox* m_kanaInput = nullptr;
    QCheckBox* m_reading = nullptr;
    QCheckBox* m_guideHidden = nullptr;
    QLabel* m_nextStart = nullptr;
    QLabel* m_saveMessage = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace kibbo
