// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Controls.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <string_view>

namespace kibbo {

// The main window as designed: its client area inside a one-pixel border,
// and every control at its place with its font, colour and caption.
inline constexpr int kMainClientWidth = 9225; // twips
inline constexpr int kMainClientHeight = 6240;
inline constexpr int kMainBorder = 1; // pixels on each side
// Where no picture covers the client area, in practice the margin around
// Image6.
inline constexpr const char* kMainBackColour = "&H000000FF&";

using MainFormControlSet = std::array<QWidget*, kControlCount>;

// Makes every control of the design on the client area, in stacking order,
// with the menu's focus order; the window keeps them by Control.
MainFormControlSet CreateMainFormControls(QWidget& client);

// A label's or a button's caption.
void SetControlCaption(QWidget& control, std::u16string_view text);
// A picture control's picture, the control sized to it unless it stretches
// the picture over itself; a null picture leaves it empty.
void SetControlPicture(QWidget& control, const QPixmap& picture, bool takeItsSize);

// Puts in the pictures the window is created with: the released look of the
// picture buttons and the afternoon street strip.
void LoadBuiltInPictures(MainFormControls& window);

} // namespace kibbo
