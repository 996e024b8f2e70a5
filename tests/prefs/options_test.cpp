// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/Options.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <string>

using namespace kibbo;

// The option reads on only from exactly "any_spelling=1"; a missing file,
// other values and garbage all read as off.
TEST(OptionsFile, ReadsOnOnlyWhenSaidSo)
{
    struct Case {
        std::string bytes;
        bool on;
    };
    const Case cases[] = {
        {"", false},
        {"any_spelling=1\r\n", true},
        {"any_spelling=1", true},
        {"any_spelling=1\n", true},
        {"any_spelling=0\r\n", false},
        {"any_spelling=yes\r\n", false},
        {"any_spelling= 1\r\n", false},
        {"\xff\xfe garbage\r\n=1\r\nany_spelling=1\r\n", true},
        {"colour=blue\r\nany_spelling=1\r\nany_spelling=0\r\n", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseOptions(c.bytes).anySpelling, c.on) << c.bytes;
    QTemporaryDir dir;
    EXPECT_FALSE(LoadOptions(dir.filePath("options.ini").toStdString()).anySpelling);
    const std::string huge = dir.filePath("huge.ini").toStdString();
    ASSERT_TRUE(WriteFileAtomically(huge, "any_spelling=1\r\n" + std::string(kSmallFileLimit, '#')));
    EXPECT_FALSE(LoadOptions(huge).anySpelling) << "an oversized file is not read";
}

// Saving writes CRLF lines and keeps keys it does not know, in their order.
TEST(OptionsFile, SaveKeepsUnknownKeys)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("options.ini").toStdString();
    ASSERT_TRUE(SaveAnySpelling(path, true));
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=1\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "later=2\nany_spelling=1\r\nbroken line\r\nnote=a=b\r\n"));
    ASSERT_TRUE(SaveAnySpelling(path, false));
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=0\r\nlater=2\r\nnote=a=b\r\n");
    EXPECT_FALSE(SaveAnySpelling(dir.filePath("gone/options.ini").toStdString(), true));
}
