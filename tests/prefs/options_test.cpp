// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/Options.h"
#include "support/StoreAt.h"

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
    test::StoreAt store(dir.path().toStdString());
    EXPECT_FALSE(store->loadOptions().value.anySpelling);
    ASSERT_TRUE(WriteFileAtomically(store->files().options, "any_spelling=1\r\n" + std::string(kSmallFileLimit, '#')));
    EXPECT_EQ(store->loadOptions().state, ReadState::TooLarge);
    EXPECT_FALSE(store->loadOptions().value.anySpelling) << "an oversized file is not read";
}

// Saving writes CRLF lines and keeps keys it does not know, in their order.
TEST(OptionsFile, SaveKeepsUnknownKeys)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().options;
    ASSERT_TRUE(store->writeAnySpelling(true).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=1\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "later=2\nany_spelling=1\r\nbroken line\r\nnote=a=b\r\n"));
    ASSERT_TRUE(store->writeAnySpelling(false).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=0\r\nlater=2\r\nnote=a=b\r\n");
    EXPECT_EQ(test::StoreAt(dir.filePath("gone").toStdString())->writeAnySpelling(true).result, SaveResult::WriteFailed);
}
