// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameFixture.h"
#include "platform/FileIO.h"
#include "prefs/Options.h"
#include "scores/ScoreFiles.h"
#include "store/FileStore.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/KanaMatcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

using namespace kibbo;
using kibbo::test::GameTest;

namespace {

// The first catalogue entry whose standard guide has this many letters.
int DogWithGuideLength(std::size_t length)
{
    for (std::size_t i = 0; i < dogTable.size(); ++i) {
        if (MakeGuide(dogTable[i].dogYomi, KeyPrefs{}).size() == length)
            return static_cast<int>(i);
    }
    return -1;
}

class PlayTest : public GameTest {
protected:
    void startAt(int index)
    {
        formLoad();
        game.mutableState().dogIndex = static_cast<std::int16_t>(index);
        beginPlay();
    }

    Outcome type(std::u16string_view keys)
    {
        Outcome last = Outcome::Nothing;
        for (char16_t k : keys)
            last = keyPress(k);
        return last;
    }

    Outcome typeWholeGuide() { return type(std::u16string(game.state().typGuide)); }

    Outcome ticks(int n)
    {
        Outcome last = Outcome::Nothing;
        for (int i = 0; i < n; ++i)
            last = tick();
        return last;
    }

    void placeWalker(int left)
    {
        game.mutableState().walkerLeft = left;
        controls.setLeft(Control::Image3, left);
    }

    std::u16string caption(Control c) { return controls.at(c).caption; }
    GameState& s() { return game.mutableState(); }
};

} // namespace

// Matching is exact and case-sensitive; a match shrinks the guide and barks.
TEST_F(PlayTest, JudgeMatchesExactCharacters)
{
    startAt(223); // 甲斐, "kai"
    sound.requests.clear();
    EXPECT_EQ(type(u"K"), Outcome::Nothing);
    EXPECT_EQ(s().missCount, 1);
    EXPECT_EQ(caption(Control::TxtTyp2), u"kai");
    EXPECT_TRUE(sound.requests.empty()) << "a mistype is silent";
    EXPECT_EQ(type(u"k"), Outcome::Nothing);
    EXPECT_EQ(caption(Control::TxtTyp2), u"ai");
    EXPECT_EQ(sound.requests, std::vector<std::string>{"effect bark"});
    EXPECT_EQ(type(u"a"), Outcome::Nothing);
    EXPECT_EQ(s().typeCount, 2);
    EXPECT_EQ(type(u"i"), Outcome::DogDone);
    EXPECT_EQ(s().dogCount, 1);
    EXPECT_EQ(s().walkerLeft, 1860);
    EXPECT_EQ(controls.left(Control::Image3), 1860);
    EXPECT_EQ(caption(Control::TxtTyp2), s().typGuide) << "the next dog is on screen";
    EXPECT_FALSE(s().typGuide.empty());
}

// No alternative romaji while typing, and Backspace is a key like any other.
TEST_F(PlayTest, WrongSpellingAndControlKeysAreMistypes)
{
    startAt(5); // チワワ, "tiwawa"
    type(u"chi");
    EXPECT_EQ(s().missCount, 3);
    EXPECT_EQ(s().typGuide, u"tiwawa");
    type(u"\b");
    type(u"\r");
    EXPECT_EQ(s().missCount, 5);
    EXPECT_EQ(s().typeCount, 0);
}

// Every sixth mistype steps the walker back, never from 1200 or less.
TEST_F(PlayTest, SixthMistypeStepsBack)
{
    startAt(223);
    type(u"xxxxx");
    EXPECT_EQ(s().walkerLeft, 1800);
    EXPECT_EQ(s().missRun, 5);
    type(u"x");
    EXPECT_EQ(s().walkerLeft, 1740);
    EXPECT_EQ(controls.left(Control::Image3), 1740);
    EXPECT_EQ(s().missRun, 0);

    placeWalker(1200);
    type(u"xxxxxx");
    EXPECT_EQ(s().walkerLeft, 1200);
    EXPECT_EQ(s().missRun, 0);
    EXPECT_EQ(s().missCount, 12);
}

// A completed dog resets the run of mistypes.
TEST_F(PlayTest, CompletionResetsMissRun)
{
    startAt(223);
    type(u"xxxx");
    typeWholeGuide();
    type(u"\x01\x01");
    EXPECT_EQ(s().missRun, 2);
}

// Home is passed beyond 7400 twips: 7380 plays on, 7440 clears.
TEST_F(PlayTest, ClearsOnlyBeyondTheHomeMark)
{
    startAt(223);
    placeWalker(7320);
    EXPECT_EQ(typeWholeGuide(), Outcome::DogDone);
    EXPECT_EQ(s().walkerLeft, 7380);
    EXPECT_EQ(s().screen, Screen::Play);
    EXPECT_EQ(typeWholeGuide(), Outcome::Cleared);
    EXPECT_EQ(s().walkerLeft, 7440);
    EXPECT_EQ(s().screen, Screen::Cleared);
    EXPECT_FALSE(controls.timer1Enabled);
}

// The per-dog countdown shows seconds with halves to even, from the first tick.
TEST_F(PlayTest, CountdownDisplay)
{
    const int ten = DogWithGuideLength(10);
    ASSERT_GE(ten, 0);
    startAt(ten);
    EXPECT_EQ(s().limitTick, 50);
    EXPECT_EQ(caption(Control::LimitTime), u"") << "written first by the first tick";
    struct Step {
        int ticks;
        const char16_t* shown;
    };
    // Remaining after each step: 49, 45, 35, 6, 5, 1.
    for (Step step : {Step{1, u"5"}, Step{4, u"4"}, Step{10, u"4"}, Step{29, u"1"}, Step{1, u"0"},
                      Step{4, u"0"}}) {
        ticks(step.ticks);
        EXPECT_EQ(caption(Control::LimitTime), step.shown) << "at " << s().limitTick << " ticks left";
    }
}

// A dog whose time runs out is replaced and the walker pushed back one
// step, but never from 1200 or less.
TEST_F(PlayTest, TimeOutReplacesTheDogAndStepsBack)
{
    startAt(223); // 15 ticks
    traced.clear();
    EXPECT_EQ(ticks(14), Outcome::Nothing);
    EXPECT_EQ(ticks(1), Outcome::DogDone);
    EXPECT_EQ(s().walkerLeft, 1740);
    EXPECT_EQ(s().dogIndex, 223 + 15);
    EXPECT_EQ(caption(Control::TxtTyp0), std::u16string(dogTable[238].dogName));
    EXPECT_EQ(traced.front(), "timeout");
    EXPECT_EQ(traced.at(1).rfind("dog\t238\t", 0), 0u) << traced.at(1);

    placeWalker(1200);
    ticks(s().limitTick);
    EXPECT_EQ(s().walkerLeft, 1200);
    EXPECT_EQ(s().dogCount, 0) << "a time-out is no completed dog";
}

// The clock: ten ticks a minute, the minute label kept until the first
// minute passes, scenery and music changing in the very tick of 17:00.
TEST_F(PlayTest, ClockAndScenery)
{
    startAt(0);
    controls.setCaption(Control::Label14, u"37"); // left from an earlier game
    placeWalker(1200); // time-outs change nothing that matters here
    ticks(9);
    EXPECT_EQ(caption(Control::Label14), u"37");
    ticks(1);
    EXPECT_EQ(caption(Control::Label14), u"01");
    EXPECT_EQ(s().playSeconds, 1);
    ticks(2400 - 10 - 1);
    EXPECT_EQ(caption(Control::Label12), u"16");
    sound.requests.clear();
    ticks(1);
    EXPECT_EQ(caption(Control::Label12), u"17");
    EXPECT_EQ(caption(Control::Label14), u"00");
    EXPECT_EQ(controls.at(Control::Image2).picture, kStreetDusk);
    EXPECT_EQ(s().playSeconds, 240);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"music dusk"});
    ticks(600);
    EXPECT_EQ(controls.at(Control::Image2).picture, kStreetNight);
    EXPECT_EQ(s().stage18Done, 1);
}

// The opening music restarts at the 1001st and 2002nd tick, twice only.
TEST_F(PlayTest, OpeningMusicRestartsTwice)
{
    startAt(0);
    placeWalker(1200);
    auto openings = [&] { return std::count(sound.requests.begin(), sound.requests.end(), "music opening"); };
    EXPECT_EQ(openings(), 1);
    ticks(1000);
    EXPECT_EQ(openings(), 1);
    ticks(1);
    EXPECT_EQ(openings(), 2);
    ticks(1001);
    EXPECT_EQ(openings(), 3);
    ticks(390);
    EXPECT_EQ(openings(), 3);
    EXPECT_EQ(s().musicRestarts, 2);
}

// The walker steps through its three frames, ani2 first; the index wraps.
TEST_F(PlayTest, WalkerFramesAndIndexWrap)
{
    startAt(321);
    controls.pictureLoads.clear();
    ticks(1);
    EXPECT_EQ(controls.at(Control::Image3).picture, kWalkerFrames[1]);
    EXPECT_EQ(s().dogIndex, 322);
    ticks(1);
    EXPECT_EQ(controls.at(Control::Image3).picture, kWalkerFrames[2]);
    EXPECT_EQ(s().dogIndex, 0);
    ticks(1);
    EXPECT_EQ(controls.at(Control::Image3).picture, kWalkerFrames[0]);
}

// 19:00 ends the game in the tick of the sixth hour, even when the dog's
// time runs out in that same tick: no new dog, the timer stays stopped.
TEST_F(PlayTest, CurfewEndsTheGame)
{
    startAt(0);
    placeWalker(1200);
    s().typeCount = 100;
    EXPECT_NE(ticks(3599), Outcome::GameOver);
    EXPECT_EQ(s().screen, Screen::Play);
    s().limitTick = 1; // runs out in the curfew tick
    const std::u16string dogOnScreen = caption(Control::TxtTyp0);
    traced.clear();
    sound.requests.clear();
    EXPECT_EQ(tick(), Outcome::GameOver);
    EXPECT_EQ(s().screen, Screen::GameOver);
    EXPECT_EQ(s().limitTick, 1) << "the countdown did not run";
    EXPECT_EQ(caption(Control::TxtTyp0), dogOnScreen) << "no new dog";
    EXPECT_FALSE(controls.timer1Enabled);
    EXPECT_EQ(s().playSeconds, 360);
    EXPECT_EQ(caption(Control::Label16), u"17") << "100 keys in 360 s";
    EXPECT_EQ(caption(Control::Label14), u"00");
    EXPECT_EQ(controls.at(Control::Image6).picture, kGameOverWall);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"music game over"});
    expectVisible({Control::Label2, Control::Label4, Control::Label5, Control::Label6, Control::Label7,
                   Control::Label8, Control::Label15, Control::Label16, Control::Label17},
                  true);
    expectVisible({Control::Label1, Control::Label18, Control::Label19, Control::Image2, Control::Image3,
                   Control::TxtTyp0, Control::TxtTyp2, Control::Image1, Control::LimitTime, Control::Label12},
                  false);
    ASSERT_EQ(traced.size(), 1u);
    EXPECT_EQ(traced[0].rfind("over", 0), 0u);
    EXPECT_FALSE(store.lastScore) << "a game over saves nothing";

    // Nothing runs any more on the game-over screen.
    const GameState after = s();
    EXPECT_EQ(tick(), Outcome::Nothing);
    EXPECT_EQ(type(std::u16string(after.typGuide)), Outcome::Nothing);
    EXPECT_EQ(s().typeCount, after.typeCount);
    EXPECT_EQ(s().missCount, after.missCount);
    EXPECT_EQ(s().clockMinute, after.clockMinute);
}

// 99 keys in 360 s is 16.5 characters a minute: halves go to the even 16.
TEST_F(PlayTest, GameOverSpeedRoundsHalvesToEven)
{
    startAt(0);
    placeWalker(1200);
    s().typeCount = 99;
    ticks(3600);
    EXPECT_EQ(caption(Control::Label16), u"16");
}

// Speed and score as the result screen shows them.
TEST(Score, SpeedAndTotal)
{
    EXPECT_EQ(TypingSpeed(1000, 250), 240);
    EXPECT_EQ(TotalScore(240, 10), 17250);
    EXPECT_EQ(TypingSpeed(7, 4), 105);
    EXPECT_EQ(TypingSpeed(1, 8), 8);  // 7.5
    EXPECT_EQ(TypingSpeed(1, 24), 2); // 2.5
    EXPECT_EQ(TypingSpeed(30, 0), 1800) << "under a second of play counts as one";
    EXPECT_EQ(TotalScore(100, 300), 7700 - 36900) << "past 266 mistypes still exact";
    EXPECT_EQ(TotalScore(0, 1), -123);
}

// A whole game typed dog after dog, a second per dog: it clears after 94
// dogs with the score on screen, in score.dat and offered to the ranking.
TEST_F(PlayTest, ScriptedGameClearsAfterNinetyFourDogs)
{
    startAt(10);
    type(u"\x01\x01\x01"); // three mistypes, no step back
    std::int32_t letters = 0;
    Outcome outcome = Outcome::Nothing;
    int dogs = 0;
    while (outcome != Outcome::Cleared && dogs < 200) {
        letters += static_cast<std::int32_t>(s().typGuide.size());
        outcome = typeWholeGuide();
        ++dogs;
        if (outcome != Outcome::Cleared)
            ticks(10);
    }
    EXPECT_EQ(dogs, 94);
    EXPECT_EQ(s().dogCount, 94);
    EXPECT_EQ(s().typeCount, letters);
    EXPECT_EQ(s().playSeconds, 93);
    EXPECT_EQ(s().screen, Screen::Cleared);

    // Characters per minute over 93 s, rounded; then 77 a character, 123 a mistype.
    const double exact = letters * 60.0 / 93.0;
    const std::int32_t speed = static_cast<std::int32_t>(exact + 0.5);
    ASSERT_NE(exact - static_cast<int>(exact), 0.5) << "pick a script without a tie";
    const std::int32_t score = speed * 77 - 3 * 123;
    EXPECT_EQ(caption(Control::Label5), u"94");
    EXPECT_EQ(caption(Control::Label6), u"3");
    EXPECT_EQ(caption(Control::Label16), std::u16string(u"") + [&] {
        const std::string d = std::to_string(speed);
        return std::u16string(d.begin(), d.end());
    }());
    EXPECT_EQ(game.lastClear().score, score);
    EXPECT_EQ(store.lastScore, score);
    EXPECT_TRUE(game.lastClear().scoreSaved);
    EXPECT_TRUE(game.lastClear().entersRanking) << "no ranking file yet: seven empty places";
    EXPECT_EQ(controls.at(Control::Image6).picture, kClearedWall);
    EXPECT_EQ(sound.requests.back(), "music fanfare");
    expectVisible({Control::Label1, Control::Label18, Control::Label19, Control::Label5, Control::Label16}, true);
    expectVisible({Control::TxtTyp2, Control::Image1, Control::Image2, Control::Label14}, false);
    EXPECT_EQ(traced.back(), "clear\t" + std::to_string(score) + "\t" + std::to_string(speed) + "\t94\t3");

    // Typing on after the clear changes nothing: no second clear, no new file.
    store.lastScore.reset();
    const std::size_t commands = sound.requests.size();
    for (int i = 0; i < 500; ++i)
        EXPECT_EQ(type(std::u16string(s().typGuide)), Outcome::Nothing);
    EXPECT_FALSE(store.lastScore);
    EXPECT_EQ(sound.requests.size(), commands) << "no bark after the clear";
    EXPECT_FALSE(controls.timer1Enabled);
}

// The entry test compares with the seventh place as saved: equal stays out.
TEST_F(PlayTest, RankingEntryNeedsMoreThanTheSeventh)
{
    for (std::int32_t seventh : {17250, 17249}) {
        Ranking ranking;
        for (int i = 0; i < kRankPlaces; ++i)
            ranking.rankScore[i] = seventh + 100 * (kRankPlaces - 1 - i);
        store.ranking = {ranking, ReadState::Loaded};
        startAt(223);
        s().typeCount = 1000 - 3;
        s().playSeconds = 250;
        s().missCount = 10;
        placeWalker(7380);
        ASSERT_EQ(typeWholeGuide(), Outcome::Cleared);
        EXPECT_EQ(game.lastClear().score, 17250);
        EXPECT_EQ(game.lastClear().entersRanking, seventh < 17250) << seventh;
        EXPECT_EQ(s().rankScore[6], seventh);
        EXPECT_EQ(store.lastScore, 17250) << "written whether or not it enters";
        game.newGame();
    }
}

// A score file that cannot be written is noted, not silently dropped.
TEST_F(PlayTest, UnwritableScoreIsReported)
{
    store.failSaves = true;
    startAt(223);
    placeWalker(7380);
    ASSERT_EQ(typeWholeGuide(), Outcome::Cleared);
    EXPECT_FALSE(game.lastClear().scoreSaved);
    EXPECT_TRUE(game.lastClear().entersRanking);
}

// The clearing key shows the cleared screen without waiting for the disk;
// the game learns that the score is saved, and whether it enters the
// ranking, when the save has finished.
TEST_F(PlayTest, ClearDoesNotWaitForTheSave)
{
    startAt(223);
    placeWalker(7380);
    store.holdSaves = true;
    ASSERT_EQ(typeWholeGuide(), Outcome::Cleared);
    EXPECT_TRUE(cleared.empty());
    EXPECT_FALSE(store.lastScore);
    store.runHeld();
    ASSERT_EQ(cleared.size(), 1u);
    EXPECT_TRUE(cleared[0].scoreSaved);
    EXPECT_TRUE(cleared[0].entersRanking);
    EXPECT_EQ(store.lastScore, cleared[0].score);
    EXPECT_EQ(game.lastClear().score, cleared[0].score);
    EXPECT_EQ(cleared[0].lastScoreSave.file, "score.dat");
}

class KanaPlayTest : public PlayTest {
protected:
    void kanaInput(bool on)
    {
        Options options = store.options.value_or(Options{});
        options.kanaInput = on;
        store.options = options;
    }
    // A key typing this kana by its place, whatever letter the desktop's
    // layout makes of it.
    Outcome kana(char16_t typed)
    {
        return followed([&] { return game.keyPress(u'q', typed); });
    }
    Outcome typeReading()
    {
        Outcome last = Outcome::Nothing;
        for (const char16_t key : KanaStrokes(s().typGuide))
            last = kana(key);
        return last;
    }
};

// In kana the guide is the reading, typed key by key: a voiced kana waits
// for its mark, a letter or a wrong mark is a mistype counted on the key
// expected, and the time is the romaji guide's.
TEST_F(KanaPlayTest, KanaKeysAreJudgedAndTheRomajiGuideSetsTheTime)
{
    kanaInput(true);
    startAt(28); // パグ, "pagu"
    EXPECT_EQ(caption(Control::TxtTyp2), u"ぱぐ");
    EXPECT_EQ(s().limitTick, 5 * 4);
    EXPECT_EQ(traced[1], "dog\t28\tぱぐ");
    EXPECT_EQ(type(u"p"), Outcome::Nothing);
    EXPECT_EQ(traced.back(), "miss\tは\tp");
    EXPECT_EQ(kana(u'は'), Outcome::Nothing);
    EXPECT_EQ(caption(Control::TxtTyp2), u"ぱぐ");
    EXPECT_EQ(kana(u'゛'), Outcome::Nothing);
    EXPECT_EQ(traced.back(), "miss\t゜\t゛");
    EXPECT_EQ(kana(u'゜'), Outcome::Nothing);
    EXPECT_EQ(caption(Control::TxtTyp2), u"ぐ");
    EXPECT_EQ(kana(u'く'), Outcome::Nothing);
    EXPECT_EQ(kana(u'゛'), Outcome::DogDone);
    EXPECT_EQ(s().typeCount, 4);
    EXPECT_EQ(s().missCount, 2);
    EXPECT_EQ(s().walkerLeft, 1860);
    buttonUp(PictureButton::Top);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].mode, Mode::Kana);
    EXPECT_EQ(records[0].missed, (std::map<KeyChar, std::int32_t>{{u'は', 1}, {u'゜', 1}}));
    EXPECT_EQ(records[0].typed.size(), 4u);
    EXPECT_FALSE(records[0].anySpelling);
}

// A kana game clears as a romaji one does, on kana keys a minute, and is
// weighed against the kana ranking; the input holds for the whole game and
// changes from the next. A romaji game passes over a key that types no
// letter.
TEST_F(KanaPlayTest, AKanaGameClearsAgainstItsOwnRanking)
{
    Ranking full;
    full.rankScore.fill(999999);
    store.ranking = {full, ReadState::Loaded};
    kanaInput(true);
    startAt(10);
    kanaInput(false);
    std::int32_t keys = 0;
    int dogs = 0;
    Outcome outcome = Outcome::Nothing;
    while (outcome != Outcome::Cleared && dogs < 200) {
        keys += static_cast<std::int32_t>(KanaStrokes(s().typGuide).size());
        outcome = typeReading();
        ++dogs;
        if (outcome != Outcome::Cleared)
            ticks(10);
    }
    EXPECT_EQ(dogs, 94);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(game.lastClear().speed, TypingSpeed(keys, 93));
    EXPECT_EQ(game.lastClear().input, Input::Kana);
    ASSERT_EQ(cleared.size(), 1u);
    EXPECT_TRUE(cleared[0].entersRanking) << "the kana ranking is empty";
    EXPECT_EQ(records.back().mode, Mode::Kana);

    ASSERT_EQ(buttonUp(PictureButton::Restart), ButtonOutcome::Started);
    EXPECT_EQ(s().input, Input::Romaji);
    EXPECT_EQ(followed([&] { return game.keyPress(u'\0', u'ろ'); }), Outcome::Nothing);
    EXPECT_EQ(s().missCount, 0);
}

// With the reading on, the kana in hand are marked and those typed dimmed,
// moving at a kana's end, in romaji and in kana; with the guide hidden, a
// mistype shows it until the dog is done, and the game is kept as played
// so. A pause hides the reading as it hides the dog.
TEST_F(KanaPlayTest, ReadingMarksAndAHiddenGuide)
{
    Options options;
    options.reading = true;
    options.guideHidden = true;
    store.options = options;
    startAt(223); // 甲斐, "kai"
    const auto mark = [this] {
        const auto& reading = controls.at(Control::Reading);
        return std::pair{reading.typed, reading.end};
    };
    EXPECT_EQ(caption(Control::Reading), u"かい");
    expectVisible({Control::Reading}, true);
    expectVisible({Control::TxtTyp2}, false);
    EXPECT_EQ(mark(), std::pair(std::size_t{0}, std::size_t{1}));
    type(u"k");
    EXPECT_EQ(mark(), std::pair(std::size_t{0}, std::size_t{1}));
    type(u"a");
    EXPECT_EQ(mark(), std::pair(std::size_t{1}, std::size_t{2}));
    expectVisible({Control::TxtTyp2}, false);
    type(u"x");
    expectVisible({Control::TxtTyp2}, true);
    EXPECT_EQ(type(u"i"), Outcome::DogDone);
    expectVisible({Control::TxtTyp2}, false);
    EXPECT_EQ(mark(), std::pair(std::size_t{0}, std::size_t{1}));
    EXPECT_EQ(caption(Control::Reading), dogTable[static_cast<std::size_t>(s().shownDog)].dogYomi);

    options.pause = true;
    store.options = options;
    ASSERT_TRUE(pause());
    expectVisible({Control::Reading, Control::TxtTyp2}, false);
    keyPress(u'\r');
    expectVisible({Control::Reading}, true);
    expectVisible({Control::TxtTyp2}, false);
    buttonUp(PictureButton::Top);
    EXPECT_TRUE(records.back().guideHidden);

    options.kanaInput = true;
    store.options = options;
    startAt(28); // パグ
    kana(u'は');
    EXPECT_EQ(mark(), std::pair(std::size_t{0}, std::size_t{1}));
    kana(u'゜');
    EXPECT_EQ(mark(), std::pair(std::size_t{1}, std::size_t{2}));
}

// The trace follows a game: start, each dog with its guide.
TEST_F(PlayTest, TraceAnnouncesEveryDog)
{
    startAt(223);
    ASSERT_GE(traced.size(), 2u);
    EXPECT_EQ(traced[0], "start");
    EXPECT_EQ(traced[1], "dog\t223\tkai");
    typeWholeGuide();
    EXPECT_EQ(traced.back(), "dog\t223\t" + std::string(s().typGuide.begin(), s().typGuide.end()));
}

// With the pause option off, Escape in play is a mistype like any other key.
TEST_F(PlayTest, EscapeIsAMistypeWithoutThePauseOption)
{
    startAt(223);
    EXPECT_EQ(type(u"\x1b"), Outcome::Nothing);
    EXPECT_EQ(s().missCount, 1);
    EXPECT_FALSE(s().paused);
    EXPECT_FALSE(pause()) << "nor does losing the keyboard pause";
    EXPECT_EQ(std::count(traced.begin(), traced.end(), "pause"), 0);
}

class PauseTest : public PlayTest {
protected:
    PauseTest()
    {
        Options options;
        options.pause = true;
        store.options = options;
    }
};

// Paused, ticks do nothing, keys are not judged and nothing of the dog is
// shown; Enter goes on where the game stood.
TEST_F(PauseTest, NothingRunsWhilePaused)
{
    startAt(223); // "kai", 15 ticks
    ticks(5);
    sound.requests.clear();
    EXPECT_EQ(type(u"\x1b"), Outcome::Nothing);
    ASSERT_TRUE(s().paused);
    EXPECT_EQ(s().missCount, 0) << "the Escape that pauses is no mistype";
    EXPECT_EQ(traced.back(), "pause");
    EXPECT_EQ(sound.requests, std::vector<std::string>{"pause music"});
    expectVisible({Control::TxtTyp0, Control::TxtTyp2, Control::Image1}, false);
    expectVisible({Control::PauseCaption}, true);

    const GameState before = s();
    const std::size_t loads = controls.pictureLoads.size();
    EXPECT_EQ(ticks(200), Outcome::Nothing);
    EXPECT_EQ(type(u"kaiK\b"), Outcome::Nothing);
    EXPECT_EQ(s().dogIndex, before.dogIndex);
    EXPECT_EQ(s().minuteTicks, before.minuteTicks);
    EXPECT_EQ(s().clockMinute, before.clockMinute);
    EXPECT_EQ(s().limitTick, before.limitTick);
    EXPECT_EQ(s().walkFrame, before.walkFrame);
    EXPECT_EQ(s().musicTicks, before.musicTicks);
    EXPECT_EQ(s().typGuide, u"kai");
    EXPECT_EQ(s().typeCount, 0);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(controls.pictureLoads.size(), loads) << "the walker stands still";

    EXPECT_EQ(type(u"\r"), Outcome::Nothing);
    EXPECT_FALSE(s().paused);
    EXPECT_EQ(traced.back(), "resume");
    EXPECT_EQ(sound.requests.back(), "resume music");
    EXPECT_EQ(s().missCount, 0) << "nor is the Enter that goes on";
    expectVisible({Control::TxtTyp0, Control::TxtTyp2, Control::Image1}, true);
    expectVisible({Control::PauseCaption}, false);
    tick();
    EXPECT_EQ(s().limitTick, before.limitTick - 1);
    EXPECT_EQ(type(u"kai"), Outcome::DogDone);
}

// The time a game stood paused is no time spent on the key after it.
TEST_F(PauseTest, PauseIsNotTimedAsAKey)
{
    startAt(223); // "kai"
    type(u"k");
    type(u"\x1b");
    now += 1500;
    type(u"\r");
    now += 100;
    type(u"a");
    EXPECT_EQ(s().typedKeys.at('a').count, 1);
    EXPECT_EQ(s().typedKeys.at('a').timed, 0);
}

// Escape goes on as Enter does; losing the keyboard pauses too, but only in
// play and only once.
TEST_F(PauseTest, EscapeOrFocusPausesOnlyInPlay)
{
    formLoad();
    EXPECT_FALSE(pause()) << "nothing to pause on the title";
    beginPlay();
    EXPECT_TRUE(pause());
    EXPECT_FALSE(pause());
    type(u"\x1b");
    EXPECT_FALSE(s().paused);
    EXPECT_EQ(std::count(traced.begin(), traced.end(), "pause"), 1);
    EXPECT_EQ(std::count(traced.begin(), traced.end(), "resume"), 1);
}

// However long and often it is paused, a game lasts its 3600 ticks.
TEST_F(PauseTest, PausesLeaveTheGameItsLength)
{
    startAt(0);
    placeWalker(1200);
    int played = 0;
    for (int i = 0; s().screen == Screen::Play && i < 10000; ++i) {
        if (i % 700 == 100)
            type(u"\x1b");
        if (i % 700 == 400)
            type(u"\r");
        const bool counts = !s().paused;
        tick();
        played += counts ? 1 : 0;
    }
    EXPECT_EQ(s().screen, Screen::GameOver);
    EXPECT_EQ(played, 3600);
    EXPECT_EQ(s().playSeconds, 360);
}

// A game left while paused leaves nothing paused behind it.
TEST_F(PauseTest, NewGameIsNotPaused)
{
    startAt(223);
    type(u"\x1b");
    sound.requests.clear();
    buttonUp(PictureButton::Restart);
    EXPECT_FALSE(s().paused);
    EXPECT_NE(std::find(sound.requests.begin(), sound.requests.end(), "resume music"), sound.requests.end());
    expectVisible({Control::TxtTyp0, Control::TxtTyp2, Control::Image1}, true);
    expectVisible({Control::PauseCaption}, false);
}

// The sound options are heard from the start; F2 and F3 turn a channel on
// or off at once, keep it in the options file, and change nothing else.
TEST_F(PlayTest, SoundOptionsAndTheirKeys)
{
    Options options;
    options.musicVolume = 50;
    options.effects = false;
    store.options = options;
    startAt(223);
    EXPECT_EQ(sound.levels, (SoundLevels{true, false, 50, 100}));
    toggleMusic();
    EXPECT_EQ(sound.levels, (SoundLevels{false, false, 50, 100}));
    EXPECT_EQ(traced.back(), "music\toff");
    toggleEffects();
    EXPECT_EQ(sound.levels, (SoundLevels{false, true, 50, 100}));
    EXPECT_EQ(traced.back(), "effects\ton");
    ASSERT_TRUE(store.options);
    EXPECT_FALSE(store.options->music);
    EXPECT_TRUE(store.options->effects);
    EXPECT_EQ(store.options->musicVolume, 50);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(s().typGuide, u"kai");
    game.setSoundLevels({true, true, 20, 30});
    EXPECT_EQ(sound.levels, (SoundLevels{true, true, 20, 30}));
    EXPECT_EQ(game.soundLevels(), (SoundLevels{true, true, 20, 30}));
}

// Muted, the music is still asked for as the clock goes, so that the tune
// of the moment plays when it is heard again.
TEST_F(PlayTest, MutedMusicStillFollowsTheClock)
{
    Options options;
    options.music = false;
    store.options = options;
    startAt(0);
    placeWalker(1200);
    ticks(2400);
    EXPECT_EQ(sound.requests.back(), "music dusk");
    EXPECT_FALSE(sound.levels.music);
}

// The player's files come from the data folder the game is given, which
// for an installed game is not beside the program.
TEST(DataRoot, PlayerFilesLiveInTheGivenFolder)
{
    QTemporaryDir player;
    QDir(player.path()).mkdir("data");
    KeyPrefs prefs{};
    prefs[1] = 1; // ち as "chi"
    RunAtOnce runner;
    FileStore store(PlayerFiles::In(player.filePath("data").toStdString()), runner);
    ASSERT_TRUE(store.writeKeyPrefs(prefs).saved());
    test::FakeControls controls;
    test::RecordingSound sound;
    DataKeeper keeper(store);
    keeper.load();
    Game game({controls, sound, keeper.data(), [] { return 0; }});
    FollowUp followUp(game, keeper, {});
    game.formLoad();
    game.mutableState().dogIndex = 5; // チワワ
    game.beginPlay();
    EXPECT_EQ(game.state().typGuide, u"chiwawa");
    game.mutableState().walkerLeft = 7380;
    for (char16_t k : std::u16string(game.state().typGuide))
        followUp(game.keyPress(k));
    ASSERT_EQ(game.state().screen, Screen::Cleared);
    EXPECT_TRUE(QFile::exists(player.filePath("data/score.dat")));
}
