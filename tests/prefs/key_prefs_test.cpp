// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/KeyPrefs.h"
#include "typing/Guide.h"

#include "platform/FileIO.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <string>


using kibbo::KeyPrefs;

namespace {

KeyPrefs Filled(std::int16_t value)
{
    KeyPrefs prefs;
    prefs.fill(value);
    return prefs;
}

} // namespace

// The file is 43 lines, each a number with a blank in front (or its minus
// sign) and a blank behind, ended by CR LF.
TEST(KeyPrefsFile, SavesByteExact)
{
    KeyPrefs prefs{};
    prefs[0] = 1;
    prefs[31] = 2;
    prefs[42] = -1;
    const std::string bytes = kibbo::FormatKeyPrefs(prefs);
    std::string expected = " 1 \r\n";
    for (int slot = 1; slot < 43; ++slot)
        expected += slot == 31 ? " 2 \r\n" : slot == 42 ? "-1 \r\n" : " 0 \r\n";
    EXPECT_EQ(bytes, expected);
}

// Saving and loading gives back every value, -1 and the 16-bit limits included.
TEST(KeyPrefsFile, RoundTrips)
{
    QTemporaryDir dir;
    kibbo::test::StoreAt store(dir.path().toStdString());
    KeyPrefs prefs{};
    for (int slot = 0; slot < 43; ++slot)
        prefs[slot] = static_cast<std::int16_t>(slot % 4 - 1);
    prefs[5] = 32767;
    prefs[6] = -32768;
    ASSERT_TRUE(store->writeKeyPrefs(prefs).saved());
    const kibbo::Loaded<KeyPrefs> loaded = store->readKeyPrefs(Filled(9));
    ASSERT_EQ(loaded.state, kibbo::ReadState::Loaded);
    EXPECT_EQ(loaded.value, prefs);
}

// A missing file leaves every value as it was and says so.
TEST(KeyPrefsFile, MissingFileKeepsValues)
{
    QTemporaryDir dir;
    const kibbo::Loaded<KeyPrefs> read = kibbo::test::StoreAt(dir.path().toStdString())->readKeyPrefs(Filled(1));
    EXPECT_EQ(read.state, kibbo::ReadState::Missing);
    EXPECT_EQ(read.value, Filled(1));
}

// A short file fills the slots it has; the rest keep their values.
TEST(KeyPrefsFile, ShortFileFillsWhatItHas)
{
    KeyPrefs prefs = Filled(7);
    prefs = kibbo::ParseKeyPrefs(" 1 \r\n 2 \r\n", prefs);
    EXPECT_EQ(prefs[0], 1);
    EXPECT_EQ(prefs[1], 2);
    for (int slot = 2; slot < 43; ++slot)
        EXPECT_EQ(prefs[slot], 7) << slot;
}

// A field that is no number or does not fit 16 bits costs only its own slot.
TEST(KeyPrefsFile, BadFieldsKeepTheirSlotOnly)
{
    KeyPrefs prefs = Filled(0);
    prefs[1] = 5;
    prefs[2] = 6;
    prefs[3] = 8;
    std::string bytes = " 1 \r\nabc\r\n 40000 \r\n12x \r\n 1 \r\n";
    prefs = kibbo::ParseKeyPrefs(bytes, prefs);
    EXPECT_EQ(prefs[0], 1);
    EXPECT_EQ(prefs[1], 5);
    EXPECT_EQ(prefs[2], 6);
    EXPECT_EQ(prefs[3], 8);
    EXPECT_EQ(prefs[4], 1);
}

// Lenient reading: LF-only lines, commas, leading blank lines and extra lines.
TEST(KeyPrefsFile, ReadsFieldsLikeThePrintForm)
{
    KeyPrefs prefs{};
    std::string bytes = "\r\n\n  1\n2,-1 , 1\r\n";
    for (int i = 0; i < 38; ++i)
        bytes += " 0 \r\n";
    bytes += " 2 \r\n 2 \r\n"; // slot 42, then a 44th line that is ignored
    prefs = kibbo::ParseKeyPrefs(bytes, prefs);
    EXPECT_EQ(prefs[0], 1);
    EXPECT_EQ(prefs[1], 2);
    EXPECT_EQ(prefs[2], -1);
    EXPECT_EQ(prefs[3], 1);
    EXPECT_EQ(prefs[42], 2);
}

// An empty or binary file never crashes and changes nothing it cannot read.
TEST(KeyPrefsFile, EmptyAndBinaryFiles)
{
    KeyPrefs prefs = Filled(1);
    prefs = kibbo::ParseKeyPrefs("", prefs);
    EXPECT_EQ(prefs, Filled(1));
    prefs = kibbo::ParseKeyPrefs(std::string("\0\xff\xfe-\r\n-", 7), prefs);
    EXPECT_EQ(prefs, Filled(1));
}

// A save that cannot be written reports failure and leaves the old file whole.
TEST(KeyPrefsFile, FailedSaveLeavesOldFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("key.ini").toStdString();
    ASSERT_TRUE(kibbo::test::StoreAt(dir.path().toStdString())->writeKeyPrefs(Filled(1)).saved());
    const kibbo::SaveOutcome failed =
        kibbo::test::StoreAt(dir.filePath("no/such/dir").toStdString())->writeKeyPrefs(Filled(0));
    EXPECT_EQ(failed.result, kibbo::SaveResult::WriteFailed);
    EXPECT_EQ(failed.file, dir.filePath("no/such/dir/key.ini").toStdString());
    EXPECT_EQ(kibbo::ReadWholeFile(path).value_or(""), kibbo::FormatKeyPrefs(Filled(1)));
}

// The file's values decide the guide: 1 and 2 choose spellings, anything else
// keeps the standard one.
TEST(KeyPrefsFile, ValuesFromFileDriveTheGuide)
{
    QTemporaryDir dir;
    kibbo::test::StoreAt store(dir.path().toStdString());
    KeyPrefs saved{};
    saved[0] = 1;
    saved[31] = 2;
    saved[1] = -1;
    saved[2] = 2;
    ASSERT_TRUE(store->writeKeyPrefs(saved).saved());
    const KeyPrefs prefs = store->readKeyPrefs(KeyPrefs{}).value;
    EXPECT_EQ(kibbo::MakeGuide(u"しうぃちつ", prefs), u"shiuxititu");
}

// Each dog uses the spellings as last read; a look after it reads the file
// again only when it changed: replaced, rewritten in place (even at the same
// size, which only its time tells), or gone.
TEST(KeyPrefsFile, ALookReadsOnlyAChangedFile)
{
    QTemporaryDir dir;
    kibbo::test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().keyPrefs;
    const auto look = [&store] {
        std::optional<kibbo::Loaded<std::string>> bytes;
        store->lookAgain([&bytes](const kibbo::FileReads& reads) { bytes = reads.keyPrefs; });
        return bytes;
    };
    ASSERT_TRUE(store->writeKeyPrefs(Filled(1)).saved());
    store->readAll({});
    EXPECT_FALSE(look());

    ASSERT_TRUE(store->writeKeyPrefs(Filled(2)).saved());
    const auto replaced = look();
    ASSERT_TRUE(replaced);
    EXPECT_EQ(kibbo::ParseKeyPrefs(replaced->value, KeyPrefs{}), Filled(2));
    EXPECT_FALSE(look());

    // An editor writing in place, one spelling changed, the size the same.
    {
        std::string bytes = replaced->value;
        bytes[1] = '3';
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.flush();
        // As a person's edit comes, a moment later: within one tick of the
        // clock the time would not differ either.
        ASSERT_TRUE(file.setFileTime(QFileInfo(file).lastModified().addSecs(1), QFileDevice::FileModificationTime));
    }
    const auto inPlace = look();
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(kibbo::ParseKeyPrefs(inPlace->value, KeyPrefs{})[0], 3);

    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    const auto gone = look();
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->state, kibbo::ReadState::Missing);
    EXPECT_FALSE(look());
}
