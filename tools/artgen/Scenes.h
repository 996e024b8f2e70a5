// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artgen {

enum class TimeOfDay { Afternoon, Dusk, Night };
enum class ButtonMark { Start, Home, Retry, Quit };

QImage TitleWall();    // ani/wall.gif, 600 x 400
QImage PlayWall();     // ani/wall2.gif
QImage GameOverWall(); // ani/gameover.gif
QImage GameClearWall(); // ani/gameclear.gif
QImage StreetStrip(TimeOfDay time); // ani/back_kabe*.gif, 500 x 100
QImage Walker(int frame);           // ani/ani*.gif, 33 x 25, transparent around the dog
QImage Button(ButtonMark mark, bool pressed); // ani/b_*.gif, 48 x 47
QImage ProgramIcon();       // ani/icon.gif, 32 x 32

} // namespace artgen
