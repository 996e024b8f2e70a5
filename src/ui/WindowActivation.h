// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

class QWidget;

namespace kibbo {

// Brings a window to the front for a later start of the program, and says
// whether it got there. Under X11 the window asks and is let. A Wayland
// compositor gives the front only to a window that shows the activation
// token a launcher was handed for the start that asks (XDG_ACTIVATION_TOKEN
// in its environment), and may refuse even then. done is called once: at
// once when the window is active, else when it becomes so, else false after
// a moment.
void BringToFront(QWidget& window, const QByteArray& activationToken, std::function<void(bool cameToFront)> done);

// How long a window is given to become active.
inline constexpr int kActivationWaitMs = 1500;

} // namespace kibbo
