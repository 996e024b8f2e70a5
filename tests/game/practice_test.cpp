// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameFixture.h"
#include "platform/FileIO.h"
#include "prefs/Options.h"
#include "scores/ScoreFiles.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace kibbo;
using kibbo::test::GameTest;

namespace {

class PracticeTest : public GameTest {
protected:
    void anySpelling(bool on)
    {
        Options options;
        options.anySpelling = on;
        store.options = options;
    }

    void startAt(int index)
    {
        game.formLoad();
        game.mutableState().dogIndex = static_cast<std::int16_t>(index);
        game.beginPlay();
    }

    void type(std::u16string_view keys)
    {
        for (char16_t k : keys)
            game.keyPress(k);
    }

    const GameState& s() const { return game.state(); }
    std::u16string shownGuide() { return controls.at(Control::TxtTyp2).caption; }
};

KeyPrefs AllOnes()
{
    KeyPrefs prefs;
    prefs.fill(1);
    return prefs;
}

} // namespace

// Enter starts a game from the title and the next one from either end
// screen; Escape returns to the title from an end screen. In play both are
// keys like any other, and so mistypes.
TEST_F(PracticeTest, EnterAndEscapeOutsidePlay)
{
    game.formLoad();
    game.keyPress(u'\x1b');
    EXPECT_EQ(s().screen, Screen::Title) << "Escape on the title does nothing";
    sound.requests.clear();
    game.keyPress(u'\r');
    EXPECT_EQ(s().screen, Screen::Play);
    EXPECT_NE(std::find(sound.requests.begin(), sound.requests.end(), "music opening"), sound.requests.end());
    EXPECT_TRUE(controls.timer1Enabled);

    game.keyPress(u'\r');
    game.keyPress(u'\x1b');
    EXPECT_EQ(s().missCount, 2);
    EXPECT_EQ(s().screen, Screen::Play);

    // Over at 19:00: Enter plays the next game from a fresh start.
    for (int i = 0; i < 3600 && s().screen == Screen::Play; ++i)
        game.tick();
    ASSERT_EQ(s().screen, Screen::GameOver);
    game.keyPress(u'x');
    EXPECT_EQ(s().missCount, 2) << "no judging on an end screen";
    game.keyPress(u'\r');
    EXPECT_EQ(s().screen, Screen::Play);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(s().clockHour, 13);

    // Cleared: Escape goes back to the title, silent and stopped.
    game.mutableState().walkerLeft = 7400;
    type(std::u16string(s().typGuide));
    ASSERT_EQ(s().screen, Screen::Cleared);
    game.keyPress(u'\x1b');
    EXPECT_EQ(s().screen, Screen::Title);
    EXPECT_FALSE(controls.timer1Enabled);
    EXPECT_EQ(sound.requests.back(), "stop music");
}

// With the option on, a guide made under other spellings types the dog
// with no mistype, and the guide on screen re-forms to the spelling begun.
TEST_F(PracticeTest, AnySpellingTakesOtherSpellings)
{
    anySpelling(true);
    startAt(5); // チワワ
    EXPECT_EQ(shownGuide(), u"tiwawa") << "the guide starts in the player's spellings";
    type(u"c");
    EXPECT_EQ(shownGuide(), u"hiwawa");
    EXPECT_EQ(s().typGuide, u"hiwawa");
    type(u"x");
    EXPECT_EQ(s().missCount, 1) << "a key no spelling allows is still a mistype";
    EXPECT_EQ(shownGuide(), u"hiwawa");
    type(u"hiwaw");
    EXPECT_EQ(s().dogCount, 0);
    type(u"a");
    EXPECT_EQ(s().dogCount, 1);
    EXPECT_EQ(s().typeCount, 7) << "the letters typed, not the guide's";
    EXPECT_TRUE(s().anySpellingUsed);

    // Off again (read at the next dog): only the guide's own letters count.
    anySpelling(false);
    game.mutableState().dogIndex = 5;
    game.nextDog();
    type(u"c");
    EXPECT_EQ(s().missCount, 2);
    EXPECT_EQ(shownGuide(), u"tiwawa");
}

// A dog finished by the first n of a final "nn" takes the second n too: it
// is no mistype on the next dog.
TEST_F(PracticeTest, SecondNOfAFinishedDogIsNoMistype)
{
    anySpelling(true);
    startAt(17); // じゃぱにーずちん, "japani-zutinn" in the standard spellings
    type(u"zyapani-zuchin");
    EXPECT_EQ(s().dogCount, 1);
    const std::u16string next = s().typGuide;
    const std::int32_t typed = s().typeCount;
    type(u"n");
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(s().typGuide, next);
    EXPECT_EQ(s().typeCount, typed + 1);
    type(u"n");
    EXPECT_EQ(s().missCount, next.front() == u'n' ? 0 : 1) << "only the very next key";
}

// A whole game typed in other spellings than the player's clears with no
// mistype and the score of the letters actually typed.
TEST_F(PracticeTest, WholeGameInMixedSpellingsClears)
{
    anySpelling(true);
    startAt(0);
    std::int32_t letters = 0;
    int dogs = 0;
    while (s().screen == Screen::Play && dogs < 200) {
        // The dog on screen; dogIndex already names the next one.
        const std::u16string reading = controls.at(Control::TxtTyp1).caption;
        // Every other dog in the other choice of every slot.
        const std::u16string keys = MakeGuide(reading, dogs % 2 ? AllOnes() : KeyPrefs{});
        for (char16_t k : keys) {
            game.keyPress(k);
            ++letters;
            if (s().dogCount > dogs)
                break; // a final ん is done at its first n
        }
        ++dogs;
        for (int t = 0; t < 5 && s().screen == Screen::Play; ++t)
            game.tick();
    }
    ASSERT_EQ(s().screen, Screen::Cleared) << s().dogCount << " dogs, " << s().missCount << " mistypes";
    EXPECT_EQ(s().dogCount, 94);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(s().typeCount, letters);
    const std::int32_t score = TotalScore(TypingSpeed(letters, s().playSeconds), 0);
    EXPECT_EQ(game.lastClear().score, score);
    EXPECT_EQ(store.lastScore, score);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ending, Ending::Cleared);
    EXPECT_EQ(records[0].score, score);
    EXPECT_TRUE(records[0].anySpelling);
    EXPECT_TRUE(records[0].missed.empty());
}

// Every mistype is kept by the guide letter on screen when it came, and
// traced with the key typed.
TEST_F(PracticeTest, MistypesCountByExpectedLetter)
{
    startAt(223); // "kai"
    type(u"xk");
    type(u"bb\b");
    EXPECT_EQ(s().missedKeys, (std::map<char, std::int32_t>{{'k', 1}, {'a', 3}}));
    EXPECT_NE(std::find(traced.begin(), traced.end(), "miss\tk\tx"), traced.end());
    EXPECT_NE(std::find(traced.begin(), traced.end(), "miss\ta\tU+0008"), traced.end());
    type(u"あ");
    EXPECT_NE(std::find(traced.begin(), traced.end(), "miss\ta\tU+3042"), traced.end()) << "not a truncated byte";
}

// Every game that ends leaves exactly one record: cleared with its score,
// over at 19:00, or left by a picture button in the middle of play.
TEST_F(PracticeTest, EveryEndingIsRecordedOnce)
{
    startAt(223);
    type(u"q");
    game.buttonDown(PictureButton::Restart);
    game.buttonUp(PictureButton::Restart);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ending, Ending::Left);
    EXPECT_FALSE(records[0].score.has_value());
    EXPECT_EQ(records[0].mistypes, 1);
    EXPECT_EQ(records[0].missed, (std::map<char, std::int32_t>{{'k', 1}}));
    EXPECT_FALSE(records[0].anySpelling);

    for (int i = 0; i < 3600 && s().screen == Screen::Play; ++i)
        game.tick();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].ending, Ending::Over);
    EXPECT_EQ(records[1].seconds, 360);
    EXPECT_TRUE(records[1].missed.empty()) << "a new game starts afresh";
    game.buttonUp(PictureButton::Top);
    EXPECT_EQ(records.size(), 2u) << "leaving an end screen ends no game";

    game.buttonUp(PictureButton::Start);
    game.buttonUp(PictureButton::Finish);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].ending, Ending::Left);
}

// After a final ん typed as one n, a next dog that starts with n takes the
// next n as its own; typed as "nn", the n after it shows the second n was
// the finished dog's. Neither typist gets a mistype.
TEST_F(PracticeTest, NAfterAFinalNGoesToWhicheverDogItFits)
{
    anySpelling(true);
    int startsWithNi = -1;
    for (std::size_t i = 0; i < dogTable.size() && startsWithNi < 0; ++i)
        if (dogTable[i].dogYomi.starts_with(u"に"))
            startsWithNi = static_cast<int>(i);
    ASSERT_GE(startsWithNi, 0);
    for (const std::u16string_view typist : {u"n", u"nn"}) {
        startAt(17); // ends in ん
        type(u"zyapani-zuchi");
        game.mutableState().dogIndex = static_cast<std::int16_t>(startsWithNi);
        type(typist);
        ASSERT_EQ(s().dogCount, 1);
        const std::u16string keys = MakeGuide(dogTable[static_cast<std::size_t>(startsWithNi)].dogYomi, KeyPrefs{});
        type(keys);
        EXPECT_EQ(s().missCount, 0) << "typed as " << (typist.size() == 1 ? "n" : "nn");
        EXPECT_EQ(s().dogCount, 2);
        game.buttonUp(PictureButton::Top);
    }
}
