// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameFixture.h"
#include "prefs/KeyPrefs.h"
#include "typing/DogTable.h"

#include <gtest/gtest.h>

using kibbo::ButtonOutcome;
using kibbo::Control;
using kibbo::Effect;
using kibbo::Tune;
using kibbo::Game;
using kibbo::PictureButton;
using kibbo::test::GameTest;

// The first dog is the entry whose index is the seconds of the load time.
TEST_F(GameTest, LoadStepDrawsFirstDogFromSeconds)
{
    seconds = 37;
    formLoad();
    EXPECT_EQ(game.state().clockHour, 13);
    EXPECT_EQ(game.state().dogIndex, 37);
    EXPECT_EQ(controls.at(Control::Image6).picture, kibbo::kTitleWall);
    EXPECT_TRUE(sound.requests.empty()) << "the title screen is silent";
    EXPECT_FALSE(controls.timer1Enabled);
}

// NewGame mid-game puts everything back, the opening-music counter included.
TEST_F(GameTest, NewGameResetsTheGame)
{
    formLoad();
    auto& s = game.mutableState();
    s.missCount = 4; s.missRun = 2; s.dogCount = 9; s.typGuide = u"abc";
    s.effectFile = Effect::Bark; s.musicFile = Tune::Opening;
    s.limitTick = 20; s.walkFrame = 2; s.clockMinute = 33; s.clockHour = 17; s.minuteTicks = 5;
    s.stage17Done = 1; s.stage18Done = 1; s.musicTicks = 1500; s.musicRestarts = 2;
    s.typeCount = 500; s.playSeconds = 250; s.stepWidth = 60; s.keyPref[0] = 1;
    s.rankScore[6] = 300;
    controls.setLeft(Control::Image3, 4200);
    seconds = 12;

    game.newGame();

    EXPECT_EQ(s.dogIndex, 12);
    EXPECT_EQ(s.missCount, 0); EXPECT_EQ(s.missRun, 0); EXPECT_EQ(s.dogCount, 0);
    EXPECT_TRUE(s.typGuide.empty()); EXPECT_FALSE(s.effectFile); EXPECT_FALSE(s.musicFile);
    EXPECT_EQ(s.limitTick, 0); EXPECT_EQ(s.walkFrame, 0); EXPECT_EQ(s.clockMinute, 0);
    EXPECT_EQ(s.clockHour, 13); EXPECT_EQ(s.minuteTicks, 0);
    EXPECT_EQ(s.stage17Done, 0); EXPECT_EQ(s.stage18Done, 0);
    EXPECT_EQ(s.musicTicks, 0); EXPECT_EQ(s.musicRestarts, 0);
    EXPECT_EQ(s.typeCount, 0); EXPECT_EQ(s.playSeconds, 0);
    EXPECT_EQ(controls.left(Control::Image3), 1800);
    EXPECT_EQ(controls.at(Control::Image2).picture, kibbo::kStreetAfternoon);
    // Kept: the step width, the preferences copy and the ranking copy.
    EXPECT_EQ(s.stepWidth, 60); EXPECT_EQ(s.keyPref[0], 1); EXPECT_EQ(s.rankScore[6], 300);
    EXPECT_TRUE(sound.requests.empty());
}

// NextDog shows the entry at dogIndex and arms its time limit.
TEST_F(GameTest, NextDogShowsTheEntryAtTheIndex)
{
    formLoad();
    game.mutableState().dogIndex = 223;
    nextDog();
    EXPECT_EQ(controls.at(Control::TxtTyp0).caption, u"甲斐");
    EXPECT_EQ(controls.at(Control::TxtTyp1).caption, u"かい");
    EXPECT_EQ(controls.at(Control::TxtTyp2).caption, u"kai");
    EXPECT_EQ(game.state().typGuide, u"kai");
    EXPECT_EQ(game.state().limitTick, 15);
    EXPECT_EQ(game.state().stepWidth, 60);
    EXPECT_EQ(controls.at(Control::Label3).caption, u"制限時間");
    EXPECT_EQ(controls.at(Control::Label12).caption, u"13");
    EXPECT_EQ(controls.at(Control::Image1).picture, "pics\\kaidog2.gif");
    EXPECT_TRUE(controls.timer1Enabled);
    EXPECT_EQ(game.state().dogIndex, 223) << "NextDog never moves the index";

    game.mutableState().dogIndex = 322;
    nextDog();
    EXPECT_EQ(controls.at(Control::TxtTyp0).caption, u"ニューギニア　シンギング　ドッグ");
    EXPECT_EQ(controls.at(Control::Image1).picture, "pics\\newguineasingingdog.gif");
    EXPECT_EQ(controls.at(Control::TxtTyp2).caption, game.state().typGuide);
}

// A preference saved while a dog is shown applies from the next dog on.
TEST_F(GameTest, PreferencesApplyFromTheNextDog)
{
    formLoad();
    game.mutableState().dogIndex = 5; // チワワ
    nextDog();
    EXPECT_EQ(game.state().typGuide, u"tiwawa");
    kibbo::KeyPrefs prefs{};
    prefs[1] = 1;
    savePrefs(prefs);
    EXPECT_EQ(controls.at(Control::TxtTyp2).caption, u"tiwawa");
    nextDog();
    EXPECT_EQ(game.state().typGuide, u"chiwawa");
    EXPECT_EQ(game.state().limitTick, 35);
}

// The game's own settings are in memory at once, before the file is saved;
// when the disk refuses them, the look after the save takes the file back,
// so that the next dog has what the file holds.
TEST_F(GameTest, OwnSettingsAtOnceAndAsTheFileHoldsThemAfterAFailedSave)
{
    savePrefs(kibbo::KeyPrefs{});
    formLoad();
    kibbo::KeyPrefs chi{};
    chi[1] = 1;
    store.holdSaves = true;
    keeper.saveKeyPrefs(chi, {});
    game.mutableState().dogIndex = 5; // チワワ
    game.nextDog();
    EXPECT_EQ(game.state().typGuide, u"chiwawa");
    store.failSaves = true;
    store.runHeld();
    game.nextDog();
    EXPECT_EQ(game.state().typGuide, u"tiwawa");
}

// A game is a value: a copy plays on alone, the original stands where it was.
TEST_F(GameTest, ACopyPlaysOnAlone)
{
    formLoad();
    game.mutableState().dogIndex = 223; // 甲斐, "kai"
    beginPlay();
    kibbo::Game copy = game;
    EXPECT_EQ(copy.keyPress(u'k'), kibbo::Outcome::Nothing);
    EXPECT_EQ(copy.state().typGuide, u"ai");
    EXPECT_EQ(copy.state().typeCount, 1);
    EXPECT_EQ(game.state().typGuide, u"kai");
    EXPECT_EQ(game.state().typeCount, 0);
}

// Play shows the dog, street, clock and time limit; hides the menu and results.
TEST_F(GameTest, BeginPlayShowsThePlayScreen)
{
    formLoad();
    beginPlay();
    EXPECT_EQ(controls.at(Control::Image6).picture, kibbo::kPlayWall);
    expectVisible({Control::StartBtn, Control::KeySettei, Control::Howto, Control::VersionBtn,
                   Control::ScoreBtn, Control::Label1, Control::Label2, Control::Label4, Control::Label5,
                   Control::Label6, Control::Label7, Control::Label8, Control::Label15, Control::Label16,
                   Control::Label17, Control::Label18, Control::Label19},
                  false);
    expectVisible({Control::Image2, Control::Image3, Control::Image1, Control::Label9, Control::Label10,
                   Control::Label11, Control::Label12, Control::Label13, Control::Label14,
                   Control::TxtTyp0, Control::TxtTyp2, Control::Label3, Control::LimitTime},
                  true);
    EXPECT_TRUE(controls.timer1Enabled);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"music opening"});
    EXPECT_EQ(game.state().effectFile, Effect::Bark);
}

// Every press clicks before any action; afterwards the bark is the effect.
TEST_F(GameTest, PressClicksThenReleaseActs)
{
    formLoad();
    for (PictureButton b : {PictureButton::Start, PictureButton::Restart, PictureButton::Top,
                            PictureButton::Finish}) {
        sound.requests.clear();
        game.buttonDown(b);
        EXPECT_EQ(sound.requests, std::vector<std::string>{"effect click"});
        EXPECT_EQ(game.state().effectFile, Effect::Bark);
    }
    EXPECT_EQ(controls.at(Control::StartBtn).picture, kibbo::kStartButton.pressed);
    EXPECT_EQ(controls.at(Control::RestartBtn).picture, kibbo::kRestartButton.pressed);
    EXPECT_EQ(controls.at(Control::TopBtn).picture, kibbo::kTopButton.pressed);
    EXPECT_EQ(controls.at(Control::FinishBtn).picture, kibbo::kFinishButton.pressed);

    EXPECT_EQ(buttonUp(PictureButton::Start), ButtonOutcome::Started);
    EXPECT_EQ(controls.at(Control::StartBtn).picture, kibbo::kStartButton.released);
    EXPECT_FALSE(controls.at(Control::StartBtn).visible);
}

// Restart during play starts afresh: clock 13:00, walker home, new dog by seconds.
TEST_F(GameTest, RestartDuringPlayStartsANewGame)
{
    seconds = 3;
    formLoad();
    game.buttonDown(PictureButton::Start);
    buttonUp(PictureButton::Start);
    game.mutableState().clockHour = 15;
    game.mutableState().missCount = 3;
    controls.setLeft(Control::Image3, 3000);
    seconds = 59;
    sound.requests.clear();
    buttonUp(PictureButton::Restart);
    EXPECT_EQ(game.state().clockHour, 13);
    EXPECT_EQ(game.state().missCount, 0);
    EXPECT_EQ(controls.left(Control::Image3), 1800);
    EXPECT_EQ(game.state().dogIndex, 59);
    EXPECT_EQ(controls.at(Control::TxtTyp0).caption, std::u16string(kibbo::dogTable[59].dogName));
    EXPECT_EQ(sound.requests, std::vector<std::string>{"music opening"});
    EXPECT_TRUE(controls.timer1Enabled);
}

// Back to the title: menu shown, play and results hidden, timer stopped, silence.
TEST_F(GameTest, TopReturnsToASilentTitle)
{
    formLoad();
    buttonUp(PictureButton::Start);
    sound.requests.clear();
    EXPECT_EQ(buttonUp(PictureButton::Top), ButtonOutcome::Continue);
    EXPECT_EQ(controls.at(Control::Image6).picture, kibbo::kTitleWall);
    expectVisible({Control::StartBtn, Control::KeySettei, Control::Howto, Control::VersionBtn,
                   Control::ScoreBtn, Control::RestartBtn, Control::FinishBtn},
                  true);
    expectVisible({Control::Image2, Control::Image3, Control::Image1, Control::TxtTyp0, Control::TxtTyp2,
                   Control::Label3, Control::LimitTime, Control::Label9, Control::Label14, Control::Label1,
                   Control::Label2, Control::Label18, Control::Label19},
                  false);
    EXPECT_FALSE(controls.timer1Enabled);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"stop music"});
    EXPECT_FALSE(game.state().effectFile) << "NewGame cleared it; no press has set it yet";
}

// Quit stops the music, then asks the window to end.
TEST_F(GameTest, FinishStopsMusicAndQuits)
{
    formLoad();
    buttonUp(PictureButton::Start);
    sound.requests.clear();
    EXPECT_EQ(buttonUp(PictureButton::Finish), ButtonOutcome::Quit);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"stop music"});
}

// With no effect chosen (after NewGame) nothing plays.
TEST_F(GameTest, EmptyEffectPlaysNothing)
{
    formLoad();
    game.newGame();
    game.playEffect();
    EXPECT_TRUE(sound.requests.empty());
}
