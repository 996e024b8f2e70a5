// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ControlStyle.h"

#include <QPushButton>
#include <QWidget>

namespace kibbo {

// What the two score windows have in common: the pale pink background, the
// default font of their captions and white push buttons. The client area is
// given in twips; the border stays sizable.
void SetScoreWindowLook(QWidget& window, int clientWidth, int clientHeight);

} // namespace kibbo
