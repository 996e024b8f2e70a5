// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "platform/ShiftJis.h"
#include "scores/ScoreFiles.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

using namespace kibbo;

namespace {

struct Place {
    std::int32_t score;
    std::u16string name;
};

Ranking Make(std::vector<Place> places)
{
    Ranking r;
    for (std::size_t i = 0; i < places.size(); ++i) {
        r.rankScore[i] = places[i].score;
        r.rankName[i] = places[i].name;
    }
    return r;
}

std::vector<std::int32_t> Scores(const Ranking& r)
{
    return {r.rankScore.begin(), r.rankScore.begin() + kRankPlaces};
}

const Ranking kLadder = Make({{900, u"a"}, {800, u"b"}, {700, u"c"}, {600, u"d"},
                              {500, u"e"}, {400, u"f"}, {300, u"g"}});

} // namespace

// Insertion keeps the places in order and drops what falls off place 7.
TEST(InsertRankEntry, PlacesTheNewEntry)
{
    struct Case {
        const char* what;
        Ranking before;
        std::int32_t score;
        std::vector<std::int32_t> after;
        int newPlace; // index of the new entry, -1 when it did not enter
    };
    const Case cases[] = {
        {"equal to the seventh stays out", kLadder, 300, {900, 800, 700, 600, 500, 400, 300}, -1},
        {"one more than the seventh", kLadder, 301, {900, 800, 700, 600, 500, 400, 301}, 6},
        {"new best", kLadder, 1000, {1000, 900, 800, 700, 600, 500, 400}, 0},
        {"equal goes below the equal", kLadder, 700, {900, 800, 700, 700, 600, 500, 400}, 3},
        {"below the first of several equal",
         Make({{900, u"a"}, {700, u"b"}, {700, u"c"}, {700, u"d"}, {500, u"e"}, {400, u"f"}, {300, u"g"}}),
         700, {900, 700, 700, 700, 700, 500, 400}, 2},
        {"negative into an empty ranking", Make({}), -50, {0, 0, 0, 0, 0, 0, 0}, -1},
        {"negative above a lower seventh",
         Make({{5, u"a"}, {4, u"b"}, {3, u"c"}, {2, u"d"}, {1, u"e"}, {0, u"f"}, {-100, u"g"}}),
         -50, {5, 4, 3, 2, 1, 0, -50}, 6},
    };
    for (const Case& c : cases) {
        Ranking r = c.before;
        InsertRankEntry(r, c.score, u"new");
        EXPECT_EQ(Scores(r), c.after) << c.what;
        int found = -1;
        for (int i = 0; i < kRankPlaces; ++i) {
            if (r.rankName[i] == u"new") {
                EXPECT_EQ(found, -1) << c.what << ": entered twice";
                found = i;
            }
        }
        EXPECT_EQ(found, c.newPlace) << c.what;
    }
}

// Score and name move together, and the pushed-off pair sits in the overflow slot.
TEST(InsertRankEntry, ShiftsPairsIntoOverflow)
{
    Ranking r = kLadder;
    InsertRankEntry(r, 650, u"x");
    EXPECT_EQ(r.rankName[3], u"x");
    EXPECT_EQ(r.rankName[4], u"d");
    EXPECT_EQ(r.rankScore[4], 600);
    EXPECT_EQ(r.rankScore[7], 300);
    EXPECT_EQ(r.rankName[7], u"g");
    const std::string saved = FormatRanking(r).value();
    EXPECT_EQ(saved.find('g'), std::string::npos) << "the overflow slot is never saved";
}

// The file holds 14 CR LF lines: score in the print form, name in Shift-JIS.
TEST(RankingFile, FormatIsByteExact)
{
    Ranking r = Make({{17250, u"ポチ"}, {0, u""}, {-5, u"Taro, Jr."}, {3, u"  lead"},
                      {2, u"\"q\""}, {1, u"①～ｶﾅ"}, {-2147483647 - 1, u"min"}});
    const std::string expected = std::string(" 17250 \r\n\x83\x7c\x83\x60\r\n")
                                 + " 0 \r\n\r\n"
                                 + "-5 \r\nTaro, Jr.\r\n"
                                 + " 3 \r\n  lead\r\n"
                                 + " 2 \r\n\"q\"\r\n"
                                 + " 1 \r\n\x87\x40\x81\x60\xb6\xc5\r\n"
                                 + "-2147483648 \r\nmin\r\n";
    EXPECT_EQ(FormatRanking(r).value(), expected);
    // Each name, however awkward, reads back into its own place.
    const Loaded<Ranking> back = ParseRanking(expected);
    EXPECT_EQ(back.state, ReadState::Loaded);
    for (int i = 0; i < kRankPlaces; ++i) {
        EXPECT_EQ(back.value.rankScore[i], r.rankScore[i]) << i;
        EXPECT_EQ(back.value.rankName[i], r.rankName[i]) << i;
    }
}

// A name the file cannot hold is refused as a whole; nothing is written.
TEST(RankingFile, RefusesNamesItCannotHold)
{
    for (std::u16string bad : {std::u16string(u"dog\U0001F436"), std::u16string(u"two\r\nlines"),
                               std::u16string(u"line\nfeed")}) {
        EXPECT_FALSE(IsStorableName(bad));
        Ranking r = kLadder;
        r.rankName[2] = bad;
        EXPECT_FALSE(FormatRanking(r).has_value());
    }
    EXPECT_TRUE(IsStorableName(u""));
    EXPECT_TRUE(IsStorableName(u"Nanashi, \"the\" 犬"));
}

// Short, damaged or missing files give empty places where they fail, never a crash.
TEST(RankingFile, DamagedFilesKeepWhatTheyCan)
{
    Loaded<Ranking> short3 = ParseRanking(" 900 \r\nA\r\n 800 \r\nB\r\n 700 \r\n");
    EXPECT_EQ(short3.state, ReadState::Damaged);
    EXPECT_EQ(Scores(short3.value), (std::vector<std::int32_t>{900, 800, 700, 0, 0, 0, 0}));
    EXPECT_EQ(short3.value.rankName[1], u"B");
    EXPECT_EQ(short3.value.rankName[2], u"");

    // A bad score costs its own place only; the names stay in line.
    Loaded<Ranking> bad = ParseRanking(" 900 \r\nA\r\nxyz\r\nB\r\n 99999999999 \r\nC\r\n 600 \r\nD\r\n");
    EXPECT_EQ(bad.state, ReadState::Damaged);
    EXPECT_EQ(Scores(bad.value), (std::vector<std::int32_t>{900, 0, 0, 600, 0, 0, 0}));
    EXPECT_EQ(bad.value.rankName[1], u"B");
    EXPECT_EQ(bad.value.rankName[2], u"C");
    EXPECT_EQ(bad.value.rankName[3], u"D");

    // Bytes that are not Shift-JIS still give a name, "?" where they fail,
    // which the file can take back.
    Loaded<Ranking> odd = ParseRanking(std::string(" 1 \r\nok\xff\x81\r\n", 12));
    EXPECT_EQ(odd.state, ReadState::Damaged);
    EXPECT_EQ(odd.value.rankName[0].substr(0, 3), u"ok?");
    EXPECT_TRUE(FormatRanking(odd.value).has_value());

    EXPECT_EQ(ParseRanking("").state, ReadState::Damaged);
    test::StoreAt nowhere("/nonexistent");
    EXPECT_EQ(nowhere->readRanking().state, ReadState::Missing);
    EXPECT_EQ(Scores(nowhere->readRanking().value), std::vector<std::int32_t>(7, 0));
}

// Lines beyond the fourteenth are ignored; LF-only files read too.
TEST(RankingFile, ToleratesExtraLinesAndBareLineFeeds)
{
    std::string bytes;
    for (int i = 7; i >= 1; --i)
        bytes += " " + std::to_string(i * 100) + " \nname" + std::to_string(i) + "\n";
    bytes += " 5 \nextra\n";
    const Loaded<Ranking> r = ParseRanking(bytes);
    EXPECT_EQ(r.state, ReadState::Loaded);
    EXPECT_EQ(r.value.rankScore[6], 100);
    EXPECT_EQ(r.value.rankName[6], u"name1");
    EXPECT_EQ(r.value.rankScore[7], 0);
}

// Saving replaces the file; a failed save leaves the old one whole.
TEST(RankingFile, SaveAndLoadThroughTheFileSystem)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().ranking;
    ASSERT_TRUE(WriteFileAtomically(path, FormatRanking(kLadder).value()));
    const Loaded<Ranking> back = store->readRanking();
    EXPECT_EQ(back.state, ReadState::Loaded);
    EXPECT_EQ(Scores(back.value), Scores(kLadder));

    const std::string before = ReadWholeFile(path).value();
    const Registration bad = store->writeRegistration(kLadder.rankScore[0] + 1, u"\U0001F436");
    EXPECT_EQ(bad.outcome.result, SaveResult::NameNotStorable);
    EXPECT_EQ(bad.outcome.file, path);
    EXPECT_EQ(ReadWholeFile(path).value(), before);
    EXPECT_EQ(store->readRanking().value.rankName[0], u"a");

    EXPECT_EQ(test::StoreAt(dir.filePath("no/such/dir").toStdString())->writeRegistration(5, u"x").outcome.result,
              SaveResult::WriteFailed);

    // Games typed in kana rank in a file of their own, in the same form;
    // the romaji ranking keeps every byte.
    EXPECT_EQ(store->readRanking(Input::Kana).state, ReadState::Missing);
    const Registration kana = store->writeRegistration(5, u"かな", Input::Kana);
    EXPECT_EQ(kana.place, 1);
    EXPECT_EQ(kana.outcome.file, dir.filePath("score-kana.kib").toStdString());
    EXPECT_EQ(ReadWholeFile(kana.outcome.file), FormatRanking(kana.ranking));
    EXPECT_EQ(store->readRanking(Input::Kana).value.rankName[0], u"かな");
    EXPECT_EQ(ReadWholeFile(path).value(), before);
}

// The last score: one line in the print form, minus sign kept.
TEST(LastScore, WritesAndReadsOneLine)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string path = store->files().lastScore;
    EXPECT_EQ(store->readLastScore().state, ReadState::Missing);
    ASSERT_TRUE(store->writeLastScore(-1230).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), "-1230 \r\n");
    EXPECT_EQ(store->readLastScore().value, -1230);
    ASSERT_TRUE(store->writeLastScore(17250).saved());
    EXPECT_EQ(ReadWholeFile(path).value(), " 17250 \r\n");
    EXPECT_EQ(store->readLastScore().value, 17250);
    ASSERT_TRUE(WriteFileAtomically(path, " 4294967296 \r\n"));
    EXPECT_EQ(store->readLastScore().state, ReadState::Damaged) << "beyond 32 bits is damage";
}

// Shift-JIS as Windows writes it: the characters that differ from plain JIS round-trip.
TEST(ShiftJis, RoundTripsTheWindowsMapping)
{
    const std::u16string text = u"ポチ①～ｶﾅ髙﨑－∥￢ABC";
    const auto bytes = EncodeShiftJis(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(DecodeShiftJis(*bytes), text);
    EXPECT_EQ(EncodeShiftJis(u"～").value(), "\x81\x60");
    EXPECT_FALSE(EncodeShiftJis(u"\U0001F436").has_value());
    EXPECT_FALSE(EncodeShiftJis(std::u16string(1, u'\xD800')).has_value()) << "lone surrogate";
}
