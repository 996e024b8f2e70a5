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
    EXPECT_FALSE(store->readOptions().value.anySpelling);
    ASSERT_TRUE(WriteFileAtomically(store->files().options, "any_spelling=1\r\n" + std::string(kSmallFileLimit, '#')));
    EXPECT_EQ(store->readOptions().state, ReadState::TooLarge);
    EXPECT_FALSE(store->readOptions().value.anySpelling) << "an oversized file is not read";
}

// Every other key reads its value only when it is one the option can take;
// anything else, or no line at all, is the default, the classic game.
TEST(OptionsFile, EveryKeyReadsItsRangeAndDefaultsOtherwise)
{
    const Options defaults = ParseOptions("");
    EXPECT_FALSE(defaults.weakKeys);
    EXPECT_TRUE(defaults.music && defaults.effects);
    EXPECT_EQ(defaults.musicVolume, 100);
    EXPECT_EQ(defaults.effectsVolume, 100);
    EXPECT_FALSE(defaults.pause);
    EXPECT_EQ(defaults.scale, 100);
    struct Case {
        std::string line;
        int Options::*number;
        int expected;
    };
    const Case numbers[] = {
        {"music_volume=0", &Options::musicVolume, 0},
        {"music_volume=55", &Options::musicVolume, 55},
        {"music_volume=101", &Options::musicVolume, 100},
        {"music_volume=-1", &Options::musicVolume, 100},
        {"music_volume=5x", &Options::musicVolume, 100},
        {"effects_volume=30", &Options::effectsVolume, 30},
        {"effects_volume=", &Options::effectsVolume, 100},
        {"scale=125", &Options::scale, 125},
        {"scale=150", &Options::scale, 150},
        {"scale=200", &Options::scale, 200},
        {"scale=175", &Options::scale, 100},
        {"scale=99999999999", &Options::scale, 100},
    };
    for (const Case& c : numbers)
        EXPECT_EQ(ParseOptions(c.line + "\r\n").*c.number, c.expected) << c.line;
    EXPECT_TRUE(ParseOptions("weak_keys=1").weakKeys);
    EXPECT_FALSE(ParseOptions("weak_keys=on").weakKeys);
    EXPECT_FALSE(ParseOptions("music=0").music);
    EXPECT_TRUE(ParseOptions("music=off").music);
    EXPECT_FALSE(ParseOptions("effects=0").effects);
    EXPECT_TRUE(ParseOptions("pause=1").pause);
    EXPECT_FALSE(defaults.kanaInput);
    EXPECT_TRUE(ParseOptions("input=kana").kanaInput);
    EXPECT_FALSE(ParseOptions("input=romaji").kanaInput);
    EXPECT_FALSE(ParseOptions("input=1").kanaInput);
    EXPECT_FALSE(ParseOptions("input=Kana").kanaInput);
    Options kana;
    kana.kanaInput = true;
    EXPECT_EQ(FormatOptions(kana), "any_spelling=0\r\ninput=kana\r\n");
    EXPECT_EQ(FormatOptions(ParseOptions("input=romaji")), "any_spelling=0\r\ninput=romaji\r\n");
}

// Saving writes CRLF lines and keeps keys it does not know, in their order.
TEST(OptionsFile, SaveKeepsUnknownKeys)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().options;
    ASSERT_TRUE(store->writeOptions(test::SetAnySpelling(true)).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=1\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "later=2\nany_spelling=1\r\nbroken line\r\nnote=a=b\r\n"));
    ASSERT_TRUE(store->writeOptions(test::SetAnySpelling(false)).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=0\r\nlater=2\r\nnote=a=b\r\n");
    // A key is written once it differs from its default, and from then on
    // also when set back to it; the others stay out of the file.
    ASSERT_TRUE(store->writeOptions([](Options& options) {
        options.weakKeys = true;
        options.musicVolume = 40;
    }).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=0\r\nweak_keys=1\r\nmusic_volume=40\r\nlater=2\r\nnote=a=b\r\n");
    ASSERT_TRUE(store->writeOptions([](Options& options) { options.weakKeys = false; }).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "any_spelling=0\r\nweak_keys=0\r\nmusic_volume=40\r\nlater=2\r\nnote=a=b\r\n");
    EXPECT_EQ(test::StoreAt(dir.filePath("gone").toStdString())->writeOptions(test::SetAnySpelling(true)).result, SaveResult::WriteFailed);
}
