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

// Text fields end at a comma or the line's end; leading blanks are dropped.
TEST(PrintForm, ReadsTextFields)
{
    FieldReader reader(" 300 \r\n  Taro\r\n\r\na,b\r\n");
    EXPECT_EQ(reader.readNumber(), 300);
    EXPECT_EQ(reader.readText(), "Taro");
    EXPECT_EQ(reader.readText(), "");
    EXPECT_EQ(reader.readText(), "a");
    EXPECT_EQ(reader.readText(), "b");
    EXPECT_EQ(reader.readText(), std::nullopt);
}

TEST(ProgramPath, JoinsWithoutDoubling)
{
    EXPECT_EQ(JoinProgramPath("/games/k", "sound\\bark.wav"), "/games/k/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/games/k/", "sound\\bark.wav"), "/games/k/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/", "sound\\bark.wav"), "/sound/bark.wav");
    EXPECT_EQ(JoinProgramPath("/my games/k", "sound\\hooch.mid"), "/my games/k/sound/hooch.mid");
}
