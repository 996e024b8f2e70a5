// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowShape.h"

#include "ui/ControlStyle.h"

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

} // namespace kibbo
