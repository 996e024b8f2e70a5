#include "ui/WindowShape.h"

#include <cmath>

namespace kibbo {

namespace {

// The default floating-point rounding mode rounds halves to even.
int PixelsOf(int twips, int twipsPerPixel)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / twipsPerPixel));
}

} // namespace

QRegion RoundedWindowRegion(int widthTwips, int heightTwips, int twipsPerPixelX,
                            int twipsPerPixelY)
{
    const int width = PixelsOf(widthTwips, twipsPerPixelX);
    const int height = PixelsOf(heightTwips, twipsPerPixelY);
    const int d = kCornerEllipse;
    const int r = d / 2;

    // A rectangle with its corners cut: two overlapping bands, and one
    // ellipse in each corner to fill in the rounded edges.
    QRegion region(r, 0, width - 2 * r, height);
    region += QRegion(0, r, width, height - 2 * r);
    region += QRegion(0, 0, d, d, QRegion::Ellipse);
    region += QRegion(width - d, 0, d, d, QRegion::Ellipse);
    region += QRegion(0, height - d, d, d, QRegion::Ellipse);
    region += QRegion(width - d, height - d, d, d, QRegion::Ellipse);
    return region;
}

} // namespace kibbo
