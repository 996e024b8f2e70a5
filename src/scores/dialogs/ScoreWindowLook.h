#pragma once

#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace kibbo {

// A rectangle of the windows' design, given in twips, in pixels.
QRect DesignRect(int left, int top, int width, int height);

// What the two score windows have in common: the pale pink background, the
// default font of their captions and white push buttons. The client area is
// given in twips; the border stays sizable.
void SetScoreWindowLook(QWidget& window, int clientWidth, int clientHeight);

} // namespace kibbo
