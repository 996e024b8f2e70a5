// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "scores/History.h"
#include "scores/ScoreFiles.h"
#include "ui/RecordsWindow.h"
#include "support/StoreAt.h"
#include "ui/ScoreBoardStart.h"

#include <gtest/gtest.h>

#include <QCategoryAxis>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <optional>

#include <string>
#include <vector>

using namespace kibbo;

namespace {

GameRecord Game(int n, std::map<kibbo::KeyChar, std::int32_t> missed = {})
{
    GameRecord game;
    char time[32];
    // Five games a day.
    std::snprintf(time, sizeof time, "2026-11-%02dT%02d:00:00", 1 + n / 5, 10 + n % 5);
    game.time = time;
    game.ending = Ending::Over;
    game.speed = 100 + n;
    game.mistypes = n % 7;
    game.missed = std::move(missed);
    return game;
}

class RecordsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    PlayerFiles files() const { return PlayerFiles::In(m_dir.path().toStdString()); }
    DataKeeper& store()
    {
        if (!m_store)
            m_store.emplace(m_dir.path().toStdString());
        return m_store->keeper();
    }

    void writeHistory(const std::vector<GameRecord>& games, const std::string& extraLine = {}) const
    {
        std::string bytes = "time,ending,score,speed,dogs,mistypes,seconds,any_spelling,missed\r\n";
        for (const GameRecord& game : games)
            bytes += FormatGameLine(game) + "\r\n";
        bytes += extraLine;
        ASSERT_TRUE(WriteFileAtomically(files().history, bytes));
    }

    // The window as the player sees it: shown, and deleted at the end.
    template <typename Window>
    QPointer<Window> open(Window* window)
    {
        m_windows.emplace_back(window);
        window->show();
        return window;
    }

    void TearDown() override
    {
        for (const QPointer<QWidget>& window : m_windows)
            delete window.data();
    }

private:
    QTemporaryDir m_dir;
    std::optional<test::StoreAt> m_store;
    std::vector<QPointer<QWidget>> m_windows;
};

} // namespace

// With no game kept the window says so and draws no empty chart.
TEST_F(RecordsWindowTest, NoGamesSaysSoInsteadOfAChart)
{
    const QPointer<RecordsWindow> window = open(new RecordsWindow(store()));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("記録"));
    EXPECT_TRUE(window->message().startsWith(QString::fromUtf8("まだ記録はありません")));
    EXPECT_TRUE(window->findChild<QLabel*>("Message")->isVisible());
    EXPECT_EQ(window->chart(), nullptr);
    EXPECT_TRUE(window->findChildren<QChartView*>().isEmpty());
    EXPECT_EQ(window->keyboard(), nullptr);
    EXPECT_TRUE(window->note().isEmpty());

    window->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

// The chart holds the latest 50 games, as its title says: speed as the line,
// mistypes as bars, oldest on the left, with the dates under them.
TEST_F(RecordsWindowTest, ChartsTheLatestFiftyGames)
{
    std::vector<GameRecord> games;
    for (int n = 0; n < 60; ++n)
        games.push_back(Game(n));
    writeHistory(games);
    const QPointer<RecordsWindow> window = open(new RecordsWindow(store()));
    ASSERT_NE(window->chart(), nullptr);
    EXPECT_FALSE(window->findChild<QLabel*>("Message")->isVisible());
    EXPECT_EQ(window->findChild<QLabel*>("Title")->text(), QString::fromUtf8("最近 50 ゲームの記録"));

    const QList<QPointF> speed = window->speedSeries()->points();
    ASSERT_EQ(speed.size(), 50);
    ASSERT_EQ(window->mistypeBars()->count(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(speed[i], QPointF(i, 110 + i));
        EXPECT_EQ(window->mistypeBars()->at(i), (10 + i) % 7);
    }
    auto* days = qobject_cast<QCategoryAxis*>(window->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(days, nullptr);
    // Games 10 to 59 were played on 3 to 12 November, five a day.
    EXPECT_EQ(days->categoriesLabels().front(), "11/3");
    EXPECT_EQ(days->categoriesLabels().back(), "11/12");
    EXPECT_EQ(days->categoriesLabels().size(), 10);
}

// The five keys with the most mistypes over those games are named, worst
// first, and each key is shaded the darker the larger its share.
TEST_F(RecordsWindowTest, NamesAndShadesTheWorstKeys)
{
    std::vector<GameRecord> games;
    // Mistypes of games that fell out of the latest 50 no longer count.
    for (int n = 0; n < 5; ++n)
        games.push_back(Game(n, {{'q', 1000}}));
    for (int n = 5; n < 55; ++n)
        games.push_back(Game(n, {{'k', 6}, {',', 5}, {'a', 4}, {'-', 3}, {'.', 2}, {'z', 1}}));
    writeHistory(games);
    const QPointer<RecordsWindow> window = open(new RecordsWindow(store()));

    EXPECT_EQ(window->worstKeys(), (QStringList{"K", ",", "A", "-", "."}));
    const QString named = window->findChild<QLabel*>("WorstKeys")->text();
    qsizetype at = -1;
    for (const char* key : {"K", ",", "A", "-", "."}) {
        const qsizetype next = named.indexOf(QString::fromUtf8(key) + QString::fromUtf8("（"));
        EXPECT_GT(next, at) << key;
        at = next;
    }
    EXPECT_EQ(named.indexOf("Z"), -1);

    const QColor white(255, 255, 255);
    EXPECT_EQ(window->keyColour('q'), white);
    EXPECT_EQ(window->keyColour('1'), white);
    const std::string byShare = "k,a-.z";
    for (std::size_t i = 0; i + 1 < byShare.size(); ++i)
        EXPECT_LT(window->keyColour(byShare[i]).lightness(), window->keyColour(byShare[i + 1]).lightness())
            << byShare[i];
    EXPECT_LT(window->keyColour('z').lightness(), 255);

    // The picture shows the shades: the face of each key, beside its text.
    const QImage picture = window->keyboard()->grab().toImage();
    for (const char key : std::string("kq,1")) {
        const QPoint face = window->keyRect(key).topLeft() + QPoint(5, 5);
        EXPECT_EQ(picture.pixelColor(face * picture.devicePixelRatio()), window->keyColour(key)) << key;
    }
}

// The weakest judged keys are named with their mistype rate and time, the
// keyboard shades by time at the player's choice, and practice is set from
// the window, which says why it changes nothing while no key is judged.
TEST_F(RecordsWindowTest, WeakKeysTimeShadingAndPractice)
{
    QPointer<RecordsWindow> window = open(new RecordsWindow(store()));
    EXPECT_FALSE(window->practiceNote().isEmpty()) << "a new player has no key judged";
    ASSERT_FALSE(window->practiceBox()->isChecked());
    window->practiceBox()->click();
    EXPECT_TRUE(store().data().options.weakKeys);
    EXPECT_NE(ReadWholeFile(files().options).value_or("").find("weak_keys=1\r\n"), std::string::npos);
    delete window.data();

    std::vector<GameRecord> games;
    for (int n = 0; n < 30; ++n) {
        GameRecord game = Game(n, {{'k', 2}});
        game.typed = {{'a', {10, 150}}, {'d', {10, 400}}, {'k', {8, 250}}, {'s', {10, 180}}};
        games.push_back(game);
    }
    writeHistory(games);
    window = open(new RecordsWindow(store()));
    EXPECT_TRUE(window->practiceBox()->isChecked());
    EXPECT_TRUE(window->practiceNote().isEmpty());
    EXPECT_EQ(window->weakKeys(), (QStringList{"K", "D", "S", "A"}));
    EXPECT_NE(window->weakKeysText().indexOf(QString::fromUtf8("K（20%・250ms）")), -1) << window->weakKeysText().toStdString();

    // d is never missed but the slowest: white by mistypes, darkest by time.
    const QColor white(255, 255, 255);
    EXPECT_EQ(window->keyColour('d'), white);
    EXPECT_EQ(window->keyNote('k'), "100%");
    window->timeShadingButton()->click();
    EXPECT_EQ(window->shading(), RecordsWindow::Shading::Time);
    EXPECT_EQ(window->keyNote('d'), "400ms");
    EXPECT_EQ(window->keyColour('a'), white);
    EXPECT_LT(window->keyColour('d').lightness(), window->keyColour('k').lightness());
    EXPECT_LT(window->keyColour('k').lightness(), window->keyColour('s').lightness());
    EXPECT_EQ(window->keyColour('q'), white);

    // A click on a key chooses it to practise, another takes it away; the
    // chosen keys are saved at once, in the order chosen, and framed.
    const auto click = [&window](char key) {
        QTest::mouseClick(window->keyboard(), Qt::LeftButton, {}, window->keyRect(key).center());
    };
    click('k');
    click('z');
    EXPECT_EQ(window->chosenKeys(), u"kz");
    EXPECT_EQ(window->chosenKeysText(), QString::fromUtf8("練習に選んだキー：K Z"));
    EXPECT_EQ(store().data().options.focusKeys, "kz");
    click('k');
    EXPECT_EQ(window->chosenKeys(), u"z");
    const QImage framed = window->keyboard()->grab().toImage();
    const QPoint edge = window->keyRect('z').topLeft() + QPoint(window->keyRect('z').width() / 2, 1);
    EXPECT_EQ(framed.pixelColor(edge * framed.devicePixelRatio()), QColor(32, 96, 192));
    EXPECT_NE(ReadWholeFile(files().options).value_or("").find("focus_keys=z\r\n"), std::string::npos);

    // A save that cannot happen leaves the box as the file has it.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(files().options)));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(files().options)));
    window->practiceBox()->click();
    EXPECT_TRUE(window->practiceBox()->isChecked());
    EXPECT_TRUE(window->practiceBox()->isEnabled());
    EXPECT_FALSE(window->practiceNote().isEmpty());
    click('a');
    EXPECT_EQ(window->chosenKeys(), u"z") << "a choice that cannot be saved is undone";
}

// With kana input on, the window shows the kana games alone on a keyboard
// of kana legends, a key shaded by its kana and the small kana on Shift;
// the romaji games stay out, and the ranking viewer shows the kana ranking.
TEST_F(RecordsWindowTest, KanaInputShowsTheKanaGamesOnKanaKeys)
{
    std::vector<GameRecord> games;
    for (int n = 0; n < 30; ++n) {
        GameRecord kana = Game(n, {{u'か', 4}, {u'ぁ', 2}, {u'あ', 1}});
        kana.mode = Mode::Kana;
        kana.speed = 50;
        kana.typed = {{u'か', {20, 300}}, {u'あ', {20, 200}}, {u'ぁ', {5, 600}}, {u'゛', {20, 250}}};
        games.push_back(kana);
        games.push_back(Game(n, {{'q', 100}}));
    }
    writeHistory(games);
    ASSERT_TRUE(WriteFileAtomically(files().kanaRanking, FormatRanking(Ranking{}).value()));
    store().saveOptions([](Options& options) { options.kanaInput = true; }, {});
    const QPointer<RecordsWindow> window = open(new RecordsWindow(store()));
    ASSERT_TRUE(window->loaded());
    EXPECT_TRUE(window->findChild<QLabel*>("Title")->text().endsWith(QString::fromUtf8("（かな入力）")));
    EXPECT_EQ(window->speedSeries()->count(), 30);
    EXPECT_EQ(window->speedSeries()->at(0).y(), 50);
    EXPECT_EQ(window->worstKeys(), (QStringList{QString::fromUtf8("か"), QString::fromUtf8("ぁ"), QString::fromUtf8("あ")}));
    QStringList legends;
    for (const RecordsWindow::KeyCap& cap : window->keyCaps())
        legends.append(cap.legend);
    EXPECT_EQ(legends.size(), 48);
    EXPECT_EQ(legends.mid(0, 3), (QStringList{QString::fromUtf8("ぬ"), QString::fromUtf8("ふ"), QString::fromUtf8("あ")}));
    EXPECT_TRUE(legends.contains(QString::fromUtf8("ろ")) && legends.contains(QString::fromUtf8("゜")));
    EXPECT_EQ(window->keyRect(u'ぁ'), window->keyRect(u'あ'));
    // あ and ぁ, three mistypes in seven, on one key, as dark as か's four.
    EXPECT_EQ(window->keyNote(u'あ'), "43%");
    EXPECT_EQ(window->keyColour(u'q'), QColor(255, 255, 255));
    EXPECT_LT(window->keyColour(u'か').lightness(), window->keyColour(u'゛').lightness());
    window->timeShadingButton()->click();
    EXPECT_EQ(window->keyNote(u'あ'), "280ms") << "(20 × 200 + 5 × 600) / 25";
    EXPECT_EQ(window->weakKeys().front(), QString::fromUtf8("ぁ")) << "slow and often missed";

    const QPointer<ScoreBoardStart> viewer = open(new ScoreBoardStart(store().data().kanaRanking, Input::Kana));
    EXPECT_EQ(viewer->title(), QString::fromUtf8("得点ランキング（かな入力）"));
    EXPECT_TRUE(viewer->note().isEmpty());
}

// A damaged line is left out and said once; the rest is still charted.
TEST_F(RecordsWindowTest, DamagedLinesAreNotedAndSkipped)
{
    writeHistory({Game(0), Game(1)}, "not a game\r\n");
    const QPointer<RecordsWindow> window = open(new RecordsWindow(store()));
    EXPECT_FALSE(window->note().isEmpty());
    EXPECT_EQ(window->speedSeries()->count(), 2);
}

// The ranking viewer's "記録" button asks for the records window and covers
// nothing the viewer already shows.
TEST_F(RecordsWindowTest, ViewerButtonAsksForTheRecords)
{
    const QPointer<ScoreBoardStart> viewer = open(new ScoreBoardStart(store().data().ranking));
    QPushButton* button = viewer->recordsButton();
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), QString::fromUtf8("記録"));
    EXPECT_TRUE(viewer->rect().contains(button->geometry()));
    for (QWidget* child : viewer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != button) {
            EXPECT_FALSE(button->geometry().intersects(child->geometry())) << child->objectName().toStdString();
        }
    }

    QSignalSpy asked(viewer.data(), &ScoreBoardStart::recordsRequested);
    button->click();
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(viewer->isVisible());
}
