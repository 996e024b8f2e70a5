// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlStyle.h"

#include <gtest/gtest.h>

#include <QFontInfo>

using kibbo::ControlFont;
using kibbo::ParseColourCode;

// Colour codes hold blue in the high byte and red in the low byte.
TEST(ColourCode, BlueGreenRedOrder)
{
    EXPECT_EQ(ParseColourCode("&H000000FF&"), QColor(255, 0, 0));
    EXPECT_EQ(ParseColourCode("&H00004080&"), QColor(0x80, 0x40, 0x00));
    EXPECT_EQ(ParseColourCode("&H00FFFFFF&"), QColor(255, 255, 255));
    EXPECT_EQ(ParseColourCode("&H00000000&"), QColor(0, 0, 0));
    EXPECT_EQ(ParseColourCode("&H00c08040&"), QColor(0x40, 0x80, 0xC0));
}

// Anything not in the exact form is no colour at all.
TEST(ColourCode, RejectsMalformedCodes)
{
    for (const char* bad : {"", "&H000000FF", "H000000FF&", "&H0000FF&", "&H01000000&",
                            "&H0000GG00&", "&H000000FF&&", "#0000FF"})
        EXPECT_FALSE(ParseColourCode(bad)) << bad;
}

// The Japanese gothic design font becomes IPA P Gothic, the serif one IPA P
// Mincho, at the point size's pixels on a 96-per-inch screen.
TEST(ControlFont, SubstitutesInstalledIpaFonts)
{
    const QFont gothic = ControlFont("MS UI Gothic", 9.75, false);
    EXPECT_EQ(gothic.family(), "IPAPGothic");
    EXPECT_EQ(gothic.pixelSize(), 13);
    EXPECT_FALSE(gothic.bold());

    const QFont serif = ControlFont("MS Serif", 13.5, true);
    EXPECT_EQ(serif.family(), "IPAPMincho");
    EXPECT_EQ(serif.pixelSize(), 18);
    EXPECT_TRUE(serif.bold());

    EXPECT_EQ(ControlFont("MS UI Gothic", 15.75, true).pixelSize(), 21);
    EXPECT_EQ(ControlFont("MS UI Gothic", 8.25, false).pixelSize(), 11);
    EXPECT_EQ(ControlFont("MS Serif", 18, false).pixelSize(), 24);
}

// The substitutes are really installed, so the text is not drawn in some
// fallback font without Japanese glyphs.
TEST(ControlFont, SubstitutesAreInstalled)
{
    EXPECT_EQ(QFontInfo(ControlFont("MS UI Gothic", 12, false)).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(ControlFont("MS Serif", 12, false)).family(), "IPAPMincho");
}
