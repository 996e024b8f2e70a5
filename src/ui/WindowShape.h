// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRegion>
#include <QStringView>
#include <QWidget>

#include <cstdint>

namespace kibbo {

// The corners of the main window are cut by an ellipse of this many device
// pixels across, whatever the screen's resolution.
inline constexpr int kCornerEllipse = 35;

// The rounded outline of a window whose outer size is given in twips: the
// size in pixels is the size in twips divided by the twips per pixel, rounded
// to the nearest whole pixel with halves to the even neighbour.
QRegion RoundedWindowRegion(int widthTwips, int heightTwips, int twipsPerPixelX,
                            int twipsPerPixelY);

// Whether a Qt platform plug-in of this name ("wayland", "wayland-egl", ...)
// puts the program's windows on a Wayland compositor. There the compositor
// alone places windows: a move() is ignored, a mask only decides where clicks
// land, and a window comes to the front only with an activation token. Under
// X11 ("xcb") and in the tests ("offscreen") the program places its windows
// and a mask shapes them.
bool IsWaylandPlatform(QStringView platformName);

// A drag of the main window by its background: from a press on a drag
// surface until the next release on one, the window follows the pointer
// with the grab offset kept.
struct WindowDrag {
    std::int32_t dragStartX = 0; // twips, relative to the pressed surface
    std::int32_t dragStartY = 0;
    std::int32_t isDragging = 0; // only 1 means a drag is under way
};

// One mouse event on a drag surface of window: a press starts a drag, a move
// moves the window with the pointer, a release ends the drag. A Wayland
// window cannot place itself: there a press hands the move to the compositor,
// and the result says whether it took it.
bool FollowDrag(QWidget& window, WindowDrag& drag, const QWidget& surface, const QMouseEvent& mouse, bool onWayland);

// Cuts the main window to its rounded outline. Under X11 the mask shapes
// the window. A Wayland compositor takes it only for where clicks land, so
// there the client area is cut to it too, and the border is painted inside
// it (PaintInsideOutline).
void ShapeWindow(QWidget& window, QWidget& client, bool onWayland);
void PaintInsideOutline(QWidget& window);

// A Wayland compositor places every window itself and does not know which
// windows belong together unless told: window is owner's own, kept over it
// (and, on a tiling desktop, floating like it rather than filling the screen
// behind it).
void KeepOver(QWidget& window, QWidget& owner);

} // namespace kibbo
