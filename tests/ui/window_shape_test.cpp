// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowShape.h"

#include <gtest/gtest.h>

using kibbo::RoundedWindowRegion;

namespace {

// The part of the region inside the top-left corner's ellipse box.
QRegion TopLeftCorner(const QRegion& region)
{
    return region.intersected(QRect(0, 0, kibbo::kCornerEllipse, kibbo::kCornerEllipse));
}

} // namespace

// The region covers the whole outer size, converted to pixels.
TEST(WindowShape, SizeFromOuterSizeInTwips)
{
    const QRegion region = RoundedWindowRegion(9255, 6270, 15, 15);
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 617, 418));
}

// A size that divides to an exact half goes to the even neighbour.
TEST(WindowShape, HalvesRoundToEven)
{
    EXPECT_EQ(RoundedWindowRegion(7398, 1200, 12, 12).boundingRect().width(), 616); // 616.5
    EXPECT_EQ(RoundedWindowRegion(7410, 1200, 12, 12).boundingRect().width(), 618); // 617.5
    EXPECT_EQ(RoundedWindowRegion(1200, 7398, 12, 12).boundingRect().height(), 616);
    EXPECT_EQ(RoundedWindowRegion(1200, 7410, 12, 12).boundingRect().height(), 618);
}

// The corners are cut away; the middle of every edge is kept.
TEST(WindowShape, CornersAreRounded)
{
    const QRegion region = RoundedWindowRegion(9255, 6270, 15, 15);
    for (QPoint corner : {QPoint(0, 0), QPoint(3, 3), QPoint(616, 0), QPoint(613, 3),
                          QPoint(0, 417), QPoint(3, 414), QPoint(616, 417), QPoint(613, 414)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(308, 0), QPoint(308, 417), QPoint(0, 209), QPoint(616, 209),
                          QPoint(10, 10), QPoint(606, 10), QPoint(10, 407), QPoint(606, 407),
                          QPoint(17, 0), QPoint(0, 17)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
}

// The four corners are the same ellipse, mirrored.
TEST(WindowShape, CornersAreAlike)
{
    const QRegion region = RoundedWindowRegion(9255, 6270, 15, 15);
    const int d = kibbo::kCornerEllipse;
    for (int y = 0; y < d; ++y) {
        for (int x = 0; x < d; ++x) {
            const bool topLeft = region.contains(QPoint(x, y));
            EXPECT_EQ(region.contains(QPoint(616 - x, y)), topLeft) << x << "," << y;
            EXPECT_EQ(region.contains(QPoint(x, 417 - y)), topLeft) << x << "," << y;
            EXPECT_EQ(region.contains(QPoint(616 - x, 417 - y)), topLeft) << x << "," << y;
        }
    }
}

// The corner ellipse is 35 pixels at any twips per pixel.
TEST(WindowShape, CornerDoesNotScale)
{
    const QRegion atFifteen = RoundedWindowRegion(9255, 6270, 15, 15);
    const QRegion atTwelve = RoundedWindowRegion(9255, 6270, 12, 12);
    EXPECT_EQ(atTwelve.boundingRect(), QRect(0, 0, 771, 522)); // 771.25, 522.5
    EXPECT_EQ(TopLeftCorner(atTwelve), TopLeftCorner(atFifteen));
}

// Every Wayland plug-in hands placing to the compositor; X11 and the tests'
// offscreen platform leave it to the program.
TEST(WindowShape, WaylandPlatforms)
{
    for (const char16_t* name : {u"wayland", u"wayland-egl", u"wayland-brcm"})
        EXPECT_TRUE(kibbo::IsWaylandPlatform(name)) << QString::fromUtf16(name).toStdString();
    for (const char16_t* name : {u"xcb", u"offscreen", u"minimal", u"", u"waylandish", u"eglfs"})
        EXPECT_FALSE(kibbo::IsWaylandPlatform(name)) << QString::fromUtf16(name).toStdString();
}
