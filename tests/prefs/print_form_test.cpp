// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintForm.h"
#include "platform/ProgramPath.h"

#include <gtest/gtest.h>

#include <limits>

using kibbo::FieldReader;
using kibbo::JoinProgramPath;
using kibbo::PrintNumberLine;

TEST(PrintForm, WritesBlankOrSignInFrontAndBlankBehind)
{
    EXPECT_EQ(PrintNumberLine(1), " 1 \r\n");
    EXPECT_EQ(PrintNumberLine(0), " 0 \r\n");
    EXPECT_EQ(PrintNumberLine(-1), "-1 \r\n");
    EXPECT_EQ(PrintNumberLine(1234567), " 1234567 \r\n");
    EXPECT_EQ(PrintNumberLine(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808 \r\n");
}

// Each number is read back as written, one field per line or per comma.
TEST(PrintForm, ReadsNumericFields)
{
    FieldReader reader(" 1 \r\n-1 \r\n\r\n  42,7\n 8   \r\n");
    EXPECT_EQ(reader.readNumber(), 1);
    EXPECT_EQ(reader.readNumber(), -1);
    EXPECT_EQ(reader.readNumber(), 42);
    EXPECT_EQ(reader.readNumber(), 7);
    EXPECT_EQ(reader.readNumber(), 8);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readNumber(), std::nullopt);
}

// A field that is not a number yields nothing and costs only itself.
TEST(PrintForm, BadNumericFieldsCostOnlyThemselves)
{
    FieldReader reader("abc\r\n 12x \r\n-\r\n 99999999999999999999 \r\n 5 \r\n");
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), 5);
}

// A line is read whole: blanks, commas and quotes are part of it.
TEST(PrintForm, ReadsWholeLines)
{
    FieldReader reader(" 300 \r\n  Taro, \"Jr\"\r\n\r\nlast");
    EXPECT_EQ(reader.readNumber(), 300);
    EXPECT_EQ(reader.readLine(), "  Taro, \"Jr\"");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "last");
    EXPECT_EQ(reader.readLine(), std::nullopt);
}

// Overflow is caught before it wraps: 2^64 + 1 is no number, not 1.
TEST(PrintForm, OverflowIsNeverANumber)
{
    FieldReader reader(" 18446744073709551617 \r\n 9223372036854775807 \r\n-9223372036854775807 \r\n"
                       " 9223372036854775808 \r\n 7 \r\n");
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), 9223372036854775807LL);
    EXPECT_EQ(reader.readNumber(), -9223372036854775807LL);
    EXPECT_EQ(reader.readNumber(), std::nullopt);
    EXPECT_EQ(reader.readNumber(), 7) << "the next field is still in its place";
}

TEST(ProgramPath, JoinsWithoutDoubling)
{
    EXPECT_EQ(JoinProgramPath("/games/k", "sound\\bark.wav"), "/games/k/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/games/k/", "sound\\bark.wav"), "/games/k/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/", "sound\\bark.wav"), "/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/my games/k", "sound\\hooch.mid"), "/my games/k/sound/hooch.mid");
    // "\\" is an ordinary character in a folder's name here.
    EXPECT_EQ(JoinProgramPath("/home/a\\b/kibbo", "data\\key.ini"), "/home/a\\b/kibbo/data/key.ini");
}
