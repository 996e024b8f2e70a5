// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowShape.h"

#include "ui/ControlStyle.h"

#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kibbo {

QRegion RoundedWindowRegion(int widthTwips, int heightTwips, int twipsPerPixelX,
                            int twipsPerPixelY)
{
    const int width = Pixels(widthTwips, twipsPerPixelX);
    const int height = Pixels(heightTwips, twipsPerPixelY);
    const double radius = kCornerEllipse / 2.0;

    // Row by row, each row cut at both ends as far as the corner ellipse
    // reaches at the row's middle, so that all four corners are alike.
    QRegion region;
    for (int y = 0; y < height; ++y) {
        const int fromEdge = std::min(y, height - 1 - y);
        int inset = 0;
        if (fromEdge < radius) {
            const double dy = (radius - (fromEdge + 0.5)) / radius;
            const double halfWidth = radius * std::sqrt(1.0 - dy * dy);
            inset = std::max(0, static_cast<int>(std::ceil(radius - halfWidth - 0.5)));
        }
        region += QRect(inset, y, width - 2 * inset, 1);
    }
    return region;
}

bool IsWaylandPlatform(QStringView platformName)
{
    return platformName == u"wayland" || platformName.startsWith(u"wayland-");
}

bool FollowDrag(QWidget& window, WindowDrag& drag, const QWidget& surface, const QMouseEvent& mouse, bool onWayland)
{
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        drag.dragStartX = static_cast<std::int32_t>(std::nearbyint(mouse.position().x() * kTwipsPerPixel));
        drag.dragStartY = static_cast<std::int32_t>(std::nearbyint(mouse.position().y() * kTwipsPerPixel));
        drag.isDragging = 1;
        // The compositor keeps the grab offset until the button is let go.
        return onWayland && window.windowHandle() && window.windowHandle()->startSystemMove();
    case QEvent::MouseMove:
        // On Wayland the compositor moves the window itself.
        if (drag.isDragging == 1 && !onWayland) {
            // The window's left edge becomes Left - dragStartX + X, with X the
            // pointer relative to the surface. Worked out from the pointer's
            // screen position, which is the same sum, it stays right while the
            // window system has not yet caught up with the previous move.
            const QPointF surfaceOrigin = surface.mapTo(&window, QPointF(0, 0));
            const QPointF pointer = mouse.globalPosition() - surfaceOrigin;
            window.move(Pixels(pointer.x() * kTwipsPerPixel - drag.dragStartX),
                        Pixels(pointer.y() * kTwipsPerPixel - drag.dragStartY));
        }
        break;
    case QEvent::MouseButtonRelease:
        drag.isDragging = 0;
        break;
    default:
        break;
    }
    return false;
}

void ShapeWindow(QWidget& window, QWidget& client, bool onWayland)
{
    const QRegion outline = RoundedWindowRegion(window.width() * kTwipsPerPixel, window.height() * kTwipsPerPixel,
                                                kTwipsPerPixel, kTwipsPerPixel);
    window.setMask(outline);
    if (onWayland)
        client.setMask(outline.translated(-client.pos()));
}

void PaintInsideOutline(QWidget& window)
{
    QPainter painter(&window);
    painter.setClipRegion(window.mask());
    painter.fillRect(window.rect(), window.palette().color(QPalette::Window));
}

void KeepOver(QWidget& window, QWidget& owner)
{
    window.winId();
    if (window.windowHandle() && owner.windowHandle())
        window.windowHandle()->setTransientParent(owner.windowHandle());
}

} // namespace kibbo
