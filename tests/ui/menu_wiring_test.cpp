// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/RecordingSound.h"
#include "support/StoreAt.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using kibbo::Control;
using kibbo::MainForm;

namespace {

class MenuWiringTest : public ::testing::Test {
protected:
    MenuWiringTest()
    {
        QDir(dir.path()).mkpath("data");
        form = std::make_unique<MainForm>(sound, dir.path().toStdString(),
                                        kibbo::PlayerFiles::In(dir.path().toStdString() + "/data"), [] { return 0; });
        form->game().formLoad();
        form->show();
    }

    void press(Control c) { qobject_cast<QPushButton*>(form->control(c))->click(); }

    // A new game one step from home, finished by typing its dog's guide.
    void clearGame()
    {
        form->game().newGame();
        form->game().beginPlay();
        form->game().mutableState().walkerLeft = 7380;
        QWidget* receiver = form->focusWidget() ? form->focusWidget() : form.get();
        for (char16_t k : std::u16string(form->game().state().typGuide))
            QTest::keyClick(receiver, static_cast<char>(k));
        ASSERT_EQ(form->game().state().screen, kibbo::Screen::Cleared);
    }

    // Lets windows closed with WA_DeleteOnClose go.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    kibbo::test::RecordingSound sound;
    std::unique_ptr<MainForm> form;
};

} // namespace

// Each menu button opens its window once; a second press only raises it.
TEST_F(MenuWiringTest, OneWindowEach)
{
    press(Control::Howto);
    kibbo::Form2* form2 = form->form2();
    ASSERT_NE(form2, nullptr);
    press(Control::Howto);
    EXPECT_EQ(form->form2(), form2);
    press(Control::KeySettei);
    press(Control::VersionBtn);
    press(Control::ScoreBtn);
    EXPECT_NE(form->form1(), nullptr);
    EXPECT_NE(form->frmAbout(), nullptr);
    EXPECT_NE(form->scoreBoardStart(), nullptr);
    EXPECT_TRUE(form2->isVisible() && form->form1()->isVisible() && form->frmAbout()->isVisible()
                && form->scoreBoardStart()->isVisible());
}

// A window closed by its own keys can be opened again.
TEST_F(MenuWiringTest, ReopensAfterEscape)
{
    for (int round = 0; round < 2; ++round) {
        press(Control::VersionBtn);
        ASSERT_NE(form->frmAbout(), nullptr) << round;
        ASSERT_TRUE(form->frmAbout()->isVisible()) << round;
        QTest::keyClick(form->frmAbout(), Qt::Key_Escape);
        settle();
        EXPECT_EQ(form->frmAbout(), nullptr) << round;
    }
}

// A clear that beats the seventh place opens the entry window once the
// cleared screen is up; a second qualifying clear only raises it.
TEST_F(MenuWiringTest, ClearIntoTheRankingOpensTheEntryOnce)
{
    clearGame();
    EXPECT_EQ(form->scoreBoard(), nullptr) << "not within the key press";
    // Once the last score is saved beside the window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->scoreBoard() != nullptr; }))
        << "no ranking file yet: any positive score enters";
    kibbo::ScoreBoard* first = form->scoreBoard();
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->newScoreLabel()->text().toInt(), form->game().lastClear().score);
    const QString shown = first->newScoreLabel()->text();

    clearGame();
    form->disk().drain();
    EXPECT_EQ(form->scoreBoard(), first);
    EXPECT_EQ(first->newScoreLabel()->text(), shown) << "the open window keeps its score";
}

// A spelling changed in the key settings during a game leaves the dog on
// screen as it is; the next dog uses it.
TEST_F(MenuWiringTest, KeySettingAppliesFromTheNextDog)
{
    form->game().mutableState().dogIndex = 5; // チワワ, "tiwawa"
    form->game().beginPlay();
    press(Control::KeySettei);
    kibbo::Form1* settings = form->form1();
    ASSERT_NE(settings, nullptr);
    settings->combo(1)->setCurrentIndex(1); // ち as "CHI"
    settings->applyButton()->click();
    // The settings are saved beside the window.
    form->disk().drain();
    EXPECT_TRUE(settings->applyButton()->isEnabled()) << "given back with the result";
    auto guide = [this] { return qobject_cast<QLabel*>(form->control(Control::TxtTyp2))->text(); };
    EXPECT_EQ(guide(), "tiwawa");
    EXPECT_EQ(form->game().state().typGuide, u"tiwawa");
    form->game().mutableState().dogIndex = 5;
    form->game().nextDog();
    EXPECT_EQ(guide(), "chiwawa");
}

// A quit right after an Apply, an entry window's OK and a clear still
// leaves every file saved: the window waits for its saves on the way out.
TEST_F(MenuWiringTest, QuitRightAfterSavingLeavesEveryFileSaved)
{
    clearGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->scoreBoard() != nullptr; }));
    kibbo::ScoreBoard* board = form->scoreBoard();
    board->nameBox()->setText(QStringLiteral("Quitter"));
    board->registerButton()->click();
    press(Control::KeySettei);
    form->form1()->combo(1)->setCurrentIndex(1); // ち as "CHI"
    form->form1()->anySpelling()->setChecked(true);

    form->form1()->applyButton()->click();
    board->okButton()->click();
    clearGame();
    const std::int32_t lastScore = form->game().lastClear().score;
    form.reset();

    const std::string data = dir.path().toStdString() + "/data";
    kibbo::test::StoreAt store(data);
    EXPECT_EQ(store->readKeyPrefs(kibbo::KeyPrefs{}).value[1], 1);
    EXPECT_TRUE(store->readOptions().value.anySpelling);
    EXPECT_EQ(store->readRanking().value.rankName[0], u"Quitter");
    EXPECT_EQ(store->readLastScore().value, lastScore);
    EXPECT_EQ(store->readHistory().value.size(), 2u);
}

// The options are two clicks from the title: the key settings, then their
// options button. A change is heard at once and kept in the file; the size
// waits for the next start and the window says so.
TEST_F(MenuWiringTest, OptionsFromTheKeySettings)
{
    press(Control::KeySettei);
    ASSERT_NE(form->form1(), nullptr);
    form->form1()->optionsButton()->click();
    kibbo::OptionsWindow* options = form->optionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), QString::fromUtf8("オプション"));
    EXPECT_TRUE(options->music()->isChecked());
    EXPECT_EQ(options->musicVolume()->value(), 100);
    EXPECT_FALSE(options->pause()->isChecked());
    EXPECT_FALSE(options->nextStartNote()->isVisibleTo(options));
    form->form1()->optionsButton()->click();
    EXPECT_EQ(form->optionsWindow(), options) << "one window at a time";

    options->musicVolume()->setValue(40);
    options->effects()->setChecked(false);
    options->pause()->setChecked(true);
    options->kanaInput()->setChecked(true);
    options->reading()->setChecked(true);
    options->guideHidden()->setChecked(true);
    options->scale()->setCurrentIndex(3);
    emit options->scale()->activated(3);
    EXPECT_EQ(sound.levels, (kibbo::SoundLevels{true, false, 40, 100}));
    EXPECT_TRUE(options->nextStartNote()->isVisibleTo(options));
    form->disk().drain();
    QCoreApplication::processEvents();
    kibbo::test::StoreAt store(dir.path().toStdString() + "/data");
    const kibbo::Options saved = store->readOptions().value;
    EXPECT_EQ(saved.musicVolume, 40);
    EXPECT_FALSE(saved.effects);
    EXPECT_TRUE(saved.pause);
    EXPECT_TRUE(saved.kanaInput);
    EXPECT_TRUE(saved.reading);
    EXPECT_TRUE(saved.guideHidden);
    EXPECT_EQ(saved.scale, 200);
    EXPECT_FALSE(options->saveMessage()->isVisibleTo(options));
}

// F2 and F3 turn the music and the effects on and off on every screen, in
// play too, where they are never a mistype; an open options window follows.
TEST_F(MenuWiringTest, FunctionKeysTurnTheSoundOnAndOff)
{
    press(Control::KeySettei);
    form->form1()->optionsButton()->click();
    kibbo::OptionsWindow* options = form->optionsWindow();
    ASSERT_NE(options, nullptr);
    form->game().beginPlay();
    form->activateWindow();
    QWidget* receiver = form->focusWidget() ? form->focusWidget() : form.get();
    QTest::keyClick(receiver, Qt::Key_F2);
    EXPECT_FALSE(sound.levels.music);
    EXPECT_FALSE(options->music()->isChecked());
    QTest::keyClick(receiver, Qt::Key_F3);
    EXPECT_FALSE(sound.levels.effects);
    QTest::keyClick(receiver, Qt::Key_F2);
    EXPECT_TRUE(sound.levels.music);
    EXPECT_TRUE(options->music()->isChecked());
    EXPECT_EQ(form->game().state().missCount, 0);
    form->disk().drain();
    QCoreApplication::processEvents();
    kibbo::test::StoreAt store(dir.path().toStdString() + "/data");
    EXPECT_TRUE(store->readOptions().value.music);
    EXPECT_FALSE(store->readOptions().value.effects);
}
