#pragma once

#include <QRegion>

namespace kibbo {

// The corners of the main window are cut by an ellipse of this many device
// pixels across, whatever the screen's resolution.
inline constexpr int kCornerEllipse = 35;

// The rounded outline of a window whose outer size is given in twips: the
// size in pixels is the size in twips divided by the twips per pixel, rounded
// to the nearest whole pixel with halves to the even neighbour.
QRegion RoundedWindowRegion(int widthTwips, int heightTwips, int twipsPerPixelX,
                            int twipsPerPixelY);

} // namespace kibbo
