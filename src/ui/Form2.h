// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include "ui/PictureCache.h"

#include <QPushButton>
#include <QWidget>

#include <string>

namespace kibbo {

// The how-to-play window: a picture of the play screen with red callouts,
// the four picture buttons with their meanings and an OK button that closes
// it.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    // programFolder is where ani/ is found.
    explicit Form2(std::string programFolder);

    QPushButton* okButton() const { return m_command1; }
    // The play-screen picture; empty when ani\cap.gif could not be loaded.
    QLabel* image1() const { return m_image1; }

private:
    void createControls();

    PictureCache m_pictures;
    QPushButton* m_command1 = nullptr;
    QLabel* m_image1 = nullptr;
};

} // namespace kibbo
