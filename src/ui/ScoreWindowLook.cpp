// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreWindowLook.h"

#include "ui/ControlStyle.h"

namespace kibbo {

void SetScoreWindowLook(QWidget& window, int clientWidth, int clientHeight)
{
    window.resize(Pixels(clientWidth), Pixels(clientHeight));
    window.setFont(ControlFont("MS UI Gothic", 9, false));
    SetBackColour(window, kDialogBackColour);
    window.setStyleSheet(WhiteButtonStyle());
}

} // namespace kibbo
