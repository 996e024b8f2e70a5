// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFiles.h"
#include "ui/ScoreBoard.h"
#include "ui/DiskQueue.h"
#include "ui/ScoreBoardStart.h"
#include "store/DataKeeper.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>

using namespace kibbo;

namespace {

// A ranking file as the game writes it: a score line in the print form and a
// name line per place, names in Shift-JIS ("\x8c\xa2" is 犬).
const std::string kLadderFile =
    " 900 \r\nAki\r\n"
    " 800 \r\nBen\r\n"
    " 700 \r\n\x8c\xa2\r\n"
    " 600 \r\nDan\r\n"
    " 500 \r\nEmi\r\n"
    " 400 \r\nFuu\r\n"
    " 300 \r\nGin\r\n";

const QString kLadderScores[kRankPlaces] = {"900", "800", "700", "600", "500", "400", "300"};
const QString kLadderNames[kRankPlaces] = {"Aki", "Ben", QString::fromUtf16(u"犬"), "Dan", "Emi", "Fuu", "Gin"};

// A window the test opens; it is gone once the window has closed itself, and
// is deleted at the end of the test otherwise.
template <typename Window>
class Opened {
public:
    explicit Opened(Window* window) : m_window(window) { m_window->show(); }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    ~Opened() { delete m_window.data(); }
    Window* operator->() const { return m_window.data(); }
    Window* get() const { return m_window.data(); }

    bool closed() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_window.isNull();
    }

private:
    QPointer<Window> m_window;
};

// The player can only press what is on screen.
void Press(QPushButton* button)
{
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    button->click();
}

// OK writes the ranking beside the window; the window either closes once
// the file is there or gives OK back with a message.
void PressOk(const Opened<ScoreBoard>& board)
{
    Press(board->okButton());
    // Bounded only so that a broken save fails the test instead of hanging.
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.closed() || board->okButton()->isEnabled(); }, 120000));
}

class ScoreWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir("data"));
    }

    kibbo::PlayerFiles files() const { return kibbo::PlayerFiles::In(m_dir.path().toStdString() + "/data"); }
    // Data of its own for each window, read and saved through the game's
    // queue: each window sees the files as they are when it opens.
    kibbo::DataKeeper& keeper(const kibbo::PlayerFiles& in)
    {
        kibbo::DataKeeper& keeper = m_keepers.emplace_back(m_stores.emplace_back(in, m_saves));
        keeper.load();
        m_saves.drain();
        return keeper;
    }
    kibbo::DataKeeper& keeper() { return keeper(files()); }
    const kibbo::Loaded<Ranking>& ranking() { return keeper().data().ranking; }
    QString dataPath(const char* name) const { return m_dir.path() + "/data/" + name; }

    void writeData(const char* name, const std::string& bytes) const
    {
        QFile file(dataPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::optional<std::string> readData(const char* name) const
    {
        QFile file(dataPath(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll().toStdString();
    }

    // The game writes the cleared score to data\score.dat, then opens the
    // entry window with the same score.
    Opened<ScoreBoard> openBoard(std::int32_t clearedScore)
    {
        writeData("score.dat", " " + std::to_string(clearedScore) + " \r\n");
        return Opened<ScoreBoard>(new ScoreBoard(keeper(), clearedScore));
    }

    kibbo::Loaded<Ranking> reloaded() const { return kibbo::test::StoreAt(files())->readRanking(); }

private:
    QTemporaryDir m_dir;
    // The stores outlive the queue, which writes every save before it goes.
    std::deque<kibbo::FileStore> m_stores;
    std::deque<kibbo::DataKeeper> m_keepers;
    kibbo::DiskQueue m_saves;
};

std::u16string U16(const QString& text)
{
    return text.toStdU16String();
}

} // namespace

// Opening shows "Nanashi" in the focused name box, the new score, the saved
// ranking, the register button and no OK button.
TEST_F(ScoreWindows, BoardOpensWithTheSavedRankingAndTheNewScore)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(650);

    EXPECT_EQ(board->windowTitle(), "ScoreBoard");
    EXPECT_EQ(board->nameBox()->text(), "Nanashi");
    EXPECT_EQ(board->focusWidget(), board->nameBox());
    EXPECT_EQ(board->newScoreLabel()->text(), "650");
    for (int k = 0; k < kRankPlaces; ++k) {
        EXPECT_EQ(board->placeScore(k), kLadderScores[k]) << "place " << k + 1;
        EXPECT_EQ(board->placeName(k), kLadderNames[k]) << "place " << k + 1;
    }
    EXPECT_TRUE(board->registerButton()->isVisible());
    EXPECT_FALSE(board->okButton()->isVisible());
    EXPECT_TRUE(board->message().isEmpty());
}

// The window has a title bar but no close, minimize or maximize button, so
// OK is the way out.
TEST_F(ScoreWindows, BoardAndViewerHaveNoControlBox)
{
    auto board = openBoard(650);
    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));
    for (QWidget* window : {static_cast<QWidget*>(board.get()), static_cast<QWidget*>(viewer.get())}) {
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
    }
}

// Registering puts the entry into the rows at once and swaps register for
// OK; the file changes only on OK, which writes all seven places and closes.
TEST_F(ScoreWindows, RegisterShowsTheEntryAndOkSavesIt)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(850);
    board->nameBox()->setText("Hana");
    Press(board->registerButton());

    EXPECT_EQ(board->placeScore(1), "850");
    EXPECT_EQ(board->placeName(1), "Hana");
    EXPECT_EQ(board->placeName(2), "Ben");
    EXPECT_EQ(board->placeName(6), "Fuu");
    EXPECT_FALSE(board->registerButton()->isVisible());
    EXPECT_TRUE(board->okButton()->isVisible());
    EXPECT_EQ(readData("score.kib"), kLadderFile);

    PressOk(board);
    EXPECT_TRUE(board.closed());
    EXPECT_EQ(readData("score.kib"), " 900 \r\nAki\r\n"
                                     " 850 \r\nHana\r\n"
                                     " 800 \r\nBen\r\n"
                                     " 700 \r\n\x8c\xa2\r\n"
                                     " 600 \r\nDan\r\n"
                                     " 500 \r\nEmi\r\n"
                                     " 400 \r\nFuu\r\n");
}

// A score equal to place 3's goes directly below it; the places under it
// move down one row and the old place 7 is gone.
TEST_F(ScoreWindows, EqualScoreGoesBelowTheEqualPlace)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(700);
    board->nameBox()->setText("Hana");
    Press(board->registerButton());

    const QString scores[kRankPlaces] = {"900", "800", "700", "700", "600", "500", "400"};
    const QString names[kRankPlaces] = {"Aki", "Ben", kLadderNames[2], "Hana", "Dan", "Emi", "Fuu"};
    for (int k = 0; k < kRankPlaces; ++k) {
        EXPECT_EQ(board->placeScore(k), scores[k]) << "place " << k + 1;
        EXPECT_EQ(board->placeName(k), names[k]) << "place " << k + 1;
    }
}

// An emptied name box registers an empty name: the row's name column stays
// blank and the file holds an empty line.
TEST_F(ScoreWindows, EmptyNameIsRegistered)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(1000);
    board->nameBox()->clear();
    Press(board->registerButton());
    EXPECT_EQ(board->placeScore(0), "1000");
    EXPECT_TRUE(board->placeName(0).isEmpty());
    PressOk(board);

    const kibbo::Loaded<Ranking> read = reloaded();
    EXPECT_EQ(read.state, kibbo::ReadState::Loaded);
    EXPECT_EQ(read.value.rankScore[0], 1000);
    EXPECT_EQ(read.value.rankName[0], u"");
    EXPECT_EQ(read.value.rankName[1], u"Aki");
}

// Names come back exactly as typed, commas, quotes, leading blanks and
// markup-like text included, each in its own place.
TEST_F(ScoreWindows, AwkwardNamesComeBackAsTyped)
{
    const QString names[] = {"  Taro, \"the\" dog", "<b>bold</b>", QString::fromUtf16(u"　ポチ, ｶﾅ ①")};
    writeData("score.kib", kLadderFile);
    std::int32_t score = 1000;
    for (const QString& name : names) {
        auto board = openBoard(score);
        board->nameBox()->setText(name);
        Press(board->registerButton());
        EXPECT_EQ(board->placeName(0), name);
        PressOk(board);
        EXPECT_TRUE(board.closed());
        ++score;
    }

    const kibbo::Loaded<Ranking> read = reloaded();
    EXPECT_EQ(read.state, kibbo::ReadState::Loaded);
    EXPECT_EQ(read.value.rankName[0], U16(names[2]));
    EXPECT_EQ(read.value.rankName[1], U16(names[1]));
    EXPECT_EQ(read.value.rankName[2], U16(names[0]));
    EXPECT_EQ(read.value.rankName[3], u"Aki");

    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));
    EXPECT_EQ(viewer->placeName(0), names[2]);
    EXPECT_EQ(viewer->placeName(2), names[0]);
}

// A name the file cannot hold is refused with a message; nothing is
// registered until it is mended, and then it registers as usual.
TEST_F(ScoreWindows, UnstorableNameIsRefusedUntilMended)
{
    const QString refused[] = {QString::fromUtf16(u"ポチ🐕"), "Po\nchi", "Po\rchi"};
    for (const QString& name : refused) {
        SCOPED_TRACE(name.toStdString());
        writeData("score.kib", kLadderFile);
        auto board = openBoard(850);
        board->nameBox()->setText(name);
        ASSERT_EQ(board->nameBox()->text(), name);
        Press(board->registerButton());

        EXPECT_FALSE(board->message().isEmpty());
        EXPECT_TRUE(board->registerButton()->isVisible());
        EXPECT_FALSE(board->okButton()->isVisible());
        for (int k = 0; k < kRankPlaces; ++k)
            EXPECT_EQ(board->placeScore(k), kLadderScores[k]);
        EXPECT_EQ(board->nameBox()->text(), name);

        board->nameBox()->setText("Pochi");
        Press(board->registerButton());
        EXPECT_TRUE(board->message().isEmpty());
        EXPECT_EQ(board->placeName(1), "Pochi");
        PressOk(board);
        EXPECT_TRUE(board.closed());
        EXPECT_EQ(reloaded().value.rankName[1], u"Pochi");
    }
}

// A save that fails is reported and keeps the window open with OK, and a
// later OK saves once the folder is there again.
TEST_F(ScoreWindows, FailedSaveIsReportedAndCanBeRetried)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(850);
    Press(board->registerButton());
    const QString before = board->message();
    ASSERT_TRUE(QDir(dataPath("")).removeRecursively());

    PressOk(board);
    EXPECT_FALSE(board.closed());
    EXPECT_TRUE(board->isVisible());
    EXPECT_TRUE(board->okButton()->isVisible());
    EXPECT_TRUE(board->okButton()->isEnabled());
    EXPECT_FALSE(board->message().isEmpty());
    EXPECT_NE(board->message(), before);

    ASSERT_TRUE(QDir(dataPath("")).mkpath("."));
    writeData("score.kib", kLadderFile);
    PressOk(board);
    EXPECT_TRUE(board.closed());
    EXPECT_EQ(reloaded().value.rankName[1], u"Nanashi");
}

// A data folder that is a regular file cannot be written either; the save
// fails the same way.
TEST_F(ScoreWindows, SaveThroughAFileFails)
{
    writeData("score.dat", " 850 \r\n");
    QFile plain(dataPath("notafolder"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    Opened<ScoreBoard> board(new ScoreBoard(keeper(kibbo::PlayerFiles::In(dataPath("notafolder").toStdString() + "/data")), 850));
    Press(board->registerButton());
    const QString before = board->message();
    PressOk(board);
    EXPECT_FALSE(board.closed());
    EXPECT_FALSE(board->message().isEmpty());
    EXPECT_NE(board->message(), before);
}

// Closing the window any other way than OK saves nothing.
TEST_F(ScoreWindows, CloseWithoutOkSavesNothing)
{
    writeData("score.kib", kLadderFile);
    auto board = openBoard(850);
    Press(board->registerButton());
    board->close();
    EXPECT_TRUE(board.closed());
    EXPECT_EQ(readData("score.kib"), kLadderFile);
}

// Without a ranking file the window shows seven places of 0 with empty
// names, and the first OK creates the file.
TEST_F(ScoreWindows, MissingRankingStartsEmptyAndOkCreatesIt)
{
    auto board = openBoard(40);
    for (int k = 0; k < kRankPlaces; ++k) {
        EXPECT_EQ(board->placeScore(k), "0");
        EXPECT_TRUE(board->placeName(k).isEmpty());
    }
    Press(board->registerButton());
    EXPECT_EQ(board->placeScore(0), "40");
    EXPECT_EQ(board->placeName(0), "Nanashi");
    EXPECT_EQ(board->placeScore(1), "0");
    EXPECT_FALSE(readData("score.kib").has_value());
    PressOk(board);
    EXPECT_TRUE(board.closed());

    const kibbo::Loaded<Ranking> read = reloaded();
    EXPECT_EQ(read.state, kibbo::ReadState::Loaded);
    EXPECT_EQ(read.value.rankScore[0], 40);
    EXPECT_EQ(read.value.rankName[0], u"Nanashi");
    EXPECT_EQ(read.value.rankScore[6], 0);
    EXPECT_EQ(read.value.rankName[6], u"");
}

// A damaged ranking keeps what could be read, and a name with unreadable
// bytes can still be saved back.
TEST_F(ScoreWindows, DamagedRankingIsMendedOnSave)
{
    writeData("score.kib", " 900 \r\nA\xff\x81\r\n 800 \r\nBen\r\n");
    auto board = openBoard(850);
    EXPECT_EQ(board->placeScore(0), "900");
    EXPECT_EQ(board->placeName(1), "Ben");
    EXPECT_EQ(board->placeScore(2), "0");
    Press(board->registerButton());
    PressOk(board);
    EXPECT_TRUE(board.closed());

    const kibbo::Loaded<Ranking> read = reloaded();
    EXPECT_EQ(read.state, kibbo::ReadState::Loaded);
    EXPECT_EQ(read.value.rankScore[1], 850);
    EXPECT_EQ(read.value.rankName[2], u"Ben");
    EXPECT_TRUE(read.value.rankName[0].starts_with(u"A"));
}

// The new score is the one the game cleared with: when data\score.dat does
// not hold it (the game could not write the file), the window uses the
// cleared score and says so, so an old game's score is never registered.
TEST_F(ScoreWindows, LastScoreFileThatDisagreesIsNotTrusted)
{
    struct Case {
        const char* what;
        std::optional<std::string> lastScoreFile;
        bool noted;
    };
    const Case cases[] = {
        {"agrees", " 850 \r\n", false},
        {"older game's score", " 120 \r\n", true},
        {"missing", std::nullopt, true},
        {"unreadable", "abc\r\n", true},
    };
    writeData("score.kib", kLadderFile);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(dataPath("score.dat"));
        if (c.lastScoreFile)
            writeData("score.dat", *c.lastScoreFile);
        Opened<ScoreBoard> board(new ScoreBoard(keeper(), 850));
        EXPECT_EQ(board->newScoreLabel()->text(), "850");
        EXPECT_EQ(board->message().isEmpty(), !c.noted);
        Press(board->registerButton());
        EXPECT_EQ(board->placeScore(1), "850");
    }
}

// Two qualifying games in a row: the second opening shows its own score and
// the ranking with the first registration.
TEST_F(ScoreWindows, SecondOpeningSeesTheFirstRegistration)
{
    writeData("score.kib", kLadderFile);
    {
        auto first = openBoard(950);
        first->nameBox()->setText("One");
        Press(first->registerButton());
        PressOk(first);
    }
    auto second = openBoard(320);
    EXPECT_EQ(second->newScoreLabel()->text(), "320");
    EXPECT_EQ(second->placeName(0), "One");
    EXPECT_EQ(second->placeScore(0), "950");
    EXPECT_EQ(second->placeName(6), "Fuu");
    EXPECT_EQ(second->nameBox()->text(), "Nanashi");
}

// The viewer shows the places from the file top to bottom, negative scores
// with their minus sign and empty names blank; OK closes it and writes
// nothing.
TEST_F(ScoreWindows, ViewerShowsTheFileAndOkCloses)
{
    const std::string file = " 70 \r\nAki\r\n"
                             " 0 \r\n\r\n"
                             "-5 \r\nCho\r\n"
                             "-5 \r\n\r\n"
                             "-60 \r\nEmi\r\n"
                             "-2147483648 \r\nFuu\r\n"
                             "-2147483648 \r\nGin\r\n";
    writeData("score.kib", file);
    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));

    EXPECT_EQ(viewer->windowTitle(), "Form3");
    EXPECT_TRUE(viewer->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(viewer->focusWidget(), viewer->okButton());
    const QString scores[kRankPlaces] = {"70", "0", "-5", "-5", "-60", "-2147483648", "-2147483648"};
    const QString names[kRankPlaces] = {"Aki", "", "Cho", "", "Emi", "Fuu", "Gin"};
    for (int k = 0; k < kRankPlaces; ++k) {
        EXPECT_EQ(viewer->placeScore(k), scores[k]) << "place " << k + 1;
        EXPECT_EQ(viewer->placeName(k), names[k]) << "place " << k + 1;
    }
    EXPECT_TRUE(viewer->note().isEmpty());

    Press(viewer->okButton());
    EXPECT_TRUE(viewer.closed());
    EXPECT_EQ(readData("score.kib"), file);
}

// The viewer reads the file once: a ranking saved while it is open shows
// only at its next opening.
TEST_F(ScoreWindows, ViewerIsNotRefreshedWhileOpen)
{
    writeData("score.kib", kLadderFile);
    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));
    auto board = openBoard(2000);
    board->nameBox()->setText("Top");
    Press(board->registerButton());
    PressOk(board);
    ASSERT_TRUE(board.closed());
    QCoreApplication::processEvents();

    EXPECT_EQ(viewer->placeScore(0), "900");
    EXPECT_EQ(viewer->placeName(0), "Aki");
    Opened<ScoreBoardStart> again(new ScoreBoardStart(ranking()));
    EXPECT_EQ(again->placeScore(0), "2000");
    EXPECT_EQ(again->placeName(0), "Top");
}

// A missing or short ranking file still shows what was read, with a note.
TEST_F(ScoreWindows, ViewerShowsWhatItCouldRead)
{
    {
        Opened<ScoreBoardStart> missing(new ScoreBoardStart(ranking()));
        for (int k = 0; k < kRankPlaces; ++k) {
            EXPECT_EQ(missing->placeScore(k), "0");
            EXPECT_TRUE(missing->placeName(k).isEmpty());
        }
        EXPECT_FALSE(missing->note().isEmpty());
    }
    writeData("score.kib", " 900 \r\nAki\r\n 800 \r\n");
    Opened<ScoreBoardStart> shortFile(new ScoreBoardStart(ranking()));
    EXPECT_EQ(shortFile->placeName(0), "Aki");
    EXPECT_EQ(shortFile->placeScore(1), "800");
    EXPECT_EQ(shortFile->placeScore(2), "0");
    EXPECT_FALSE(shortFile->note().isEmpty());
}

// The windows and their controls stand where the design puts them, at 15
// twips to the pixel.
TEST_F(ScoreWindows, ControlsStandAtTheirDesignPlaces)
{
    auto board = openBoard(850);
    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));

    EXPECT_EQ(board->size(), QSize(5535 / 15, 4455 / 15));
    EXPECT_EQ(board->nameBox()->geometry(), QRect(1080 / 15, 480 / 15, 1215 / 15, 270 / 15));
    EXPECT_EQ(board->registerButton()->geometry(), QRect(4680 / 15, 360 / 15, 615 / 15, 375 / 15));
    EXPECT_EQ(board->okButton()->geometry(), QRect(4560 / 15, 3960 / 15, 735 / 15, 375 / 15));
    EXPECT_EQ(board->newScoreLabel()->geometry().topLeft(), QPoint(3000 / 15, 480 / 15));
    EXPECT_EQ(viewer->size(), QSize(5715 / 15, 4440 / 15));
    EXPECT_EQ(viewer->okButton()->geometry(), QRect(4560 / 15, 3840 / 15, 735 / 15, 375 / 15));

    struct Rows {
        const RankRows& rows;
        int firstTop;
    };
    for (const Rows& r : {Rows{board->rows(), 1200}, Rows{viewer->rows(), 1080}}) {
        for (int k = 0; k < kRankPlaces; ++k) {
            const int top = (r.firstTop + 360 * k) / 15;
            EXPECT_EQ(r.rows.label6(k)->geometry().topLeft(), QPoint(840 / 15, top));
            EXPECT_EQ(r.rows.label6(k)->width(), 375 / 15);
            EXPECT_EQ(r.rows.tok(k)->geometry().right() + 1, 2175 / 15);
            EXPECT_EQ(r.rows.tok(k)->y(), top);
            EXPECT_EQ(r.rows.unit(k)->geometry().topLeft(), QPoint(2280 / 15, top));
            EXPECT_EQ(r.rows.nameScore(k)->geometry().topLeft(), QPoint(3240 / 15, top));
            EXPECT_EQ(r.rows.nameScore(k)->width(), 2055 / 15);
            // Each row stays above the next row's line.
            EXPECT_LE(r.rows.tok(k)->geometry().bottom(), top + 360 / 15 - 1);
        }
    }
}

// Each row's line runs from x 720 to x 5280 along the row's top edge; as
// with every line, its end point itself is left out.
TEST_F(ScoreWindows, RowLinesAreDrawnAtEachRowTop)
{
    auto board = openBoard(850);
    const QImage image = board->grab().toImage();
    const QColor back = image.pixelColor(1, 1);
    for (int k = 0; k < kRankPlaces; ++k) {
        const int y = (1200 + 360 * k) / 15;
        EXPECT_NE(image.pixelColor(720 / 15, y), back) << "row " << k;
        EXPECT_NE(image.pixelColor(5280 / 15 - 1, y), back) << "row " << k;
        EXPECT_EQ(image.pixelColor(720 / 15 - 1, y), back) << "row " << k;
        EXPECT_EQ(image.pixelColor(5280 / 15 + 1, y), back) << "row " << k;
        EXPECT_EQ(image.pixelColor(720 / 15, y - 1), back) << "row " << k;
    }
}

// Every place's score has its own colour, from deep red at the top to
// purple at the bottom; the background is R239 G174 B174.
TEST_F(ScoreWindows, PlacesHaveTheirColours)
{
    const QColor colours[kRankPlaces] = {{192, 0, 0},   {128, 64, 0},  {128, 128, 0}, {0, 128, 0},
                                         {0, 128, 128}, {0, 0, 128},   {128, 0, 128}};
    auto board = openBoard(850);
    Opened<ScoreBoardStart> viewer(new ScoreBoardStart(ranking()));
    for (QWidget* window : {static_cast<QWidget*>(board.get()), static_cast<QWidget*>(viewer.get())})
        EXPECT_EQ(window->grab().toImage().pixelColor(2, 2), QColor(239, 174, 174));
    for (int k = 0; k < kRankPlaces; ++k) {
        EXPECT_EQ(board->rows().tok(k)->palette().color(QPalette::WindowText), colours[k]);
        EXPECT_EQ(viewer->rows().tok(k)->palette().color(QPalette::WindowText), colours[k]);
        EXPECT_TRUE(board->rows().tok(k)->font().bold());
        EXPECT_EQ(board->rows().label6(k)->text(), QString("%1.").arg(k + 1));
    }
}
