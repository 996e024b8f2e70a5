// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/PictureCache.h"

#include <QPushButton>
#include <QWidget>

#include <string>

namespace kibbo {

// The version window: the game's name, version, credits and disclaimer. OK,
// Enter, Esc and the close box all close it.
class FrmAbout final : public QWidget {
    Q_OBJECT
public:
    // programFolder is where ani/icon.gif is found.
    // dataFolder is where the player's settings and scores are kept, shown
    // so that a player can find them.
    FrmAbout(std::string programFolder, std::string dataFolder);

    QPushButton* okButton() const { return m_cmdOK; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();

    PictureCache m_pictures;
    std::string m_dataFolder;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace kibbo
