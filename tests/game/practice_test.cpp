// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameFixture.h"
#include "platform/FileIO.h"
#include "prefs/Options.h"
#include "scores/ScoreFiles.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/KanaMatcher.h"
#include "typing/PracticeDogs.h"

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
        formLoad();
        game.mutableState().dogIndex = static_cast<std::int16_t>(index);
        beginPlay();
    }

    void type(std::u16string_view keys)
    {
        for (char16_t k : keys)
            keyPress(k);
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
    formLoad();
    keyPress(u'\x1b');
    EXPECT_EQ(s().screen, Screen::Title) << "Escape on the title does nothing";
    sound.requests.clear();
    keyPress(u'\r');
    EXPECT_EQ(s().screen, Screen::Play);
    EXPECT_NE(std::find(sound.requests.begin(), sound.requests.end(), "music opening"), sound.requests.end());
    EXPECT_TRUE(controls.timer1Enabled);

    keyPress(u'\r');
    keyPress(u'\x1b');
    EXPECT_EQ(s().missCount, 2);
    EXPECT_EQ(s().screen, Screen::Play);

    // Over at 19:00: Enter plays the next game from a fresh start.
    for (int i = 0; i < 3600 && s().screen == Screen::Play; ++i)
        tick();
    ASSERT_EQ(s().screen, Screen::GameOver);
    keyPress(u'x');
    EXPECT_EQ(s().missCount, 2) << "no judging on an end screen";
    keyPress(u'\r');
    EXPECT_EQ(s().screen, Screen::Play);
    EXPECT_EQ(s().missCount, 0);
    EXPECT_EQ(s().clockHour, 13);

    // Cleared: Escape goes back to the title, silent and stopped.
    game.mutableState().walkerLeft = 7400;
    type(std::u16string(s().typGuide));
    ASSERT_EQ(s().screen, Screen::Cleared);
    keyPress(u'\x1b');
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
    nextDog();
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
            keyPress(k);
            ++letters;
            if (s().dogCount > dogs)
                break; // a final ん is done at its first n
        }
        ++dogs;
        for (int t = 0; t < 5 && s().screen == Screen::Play; ++t)
            tick();
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
    EXPECT_EQ(s().missedKeys, (std::map<kibbo::KeyChar, std::int32_t>{{'k', 1}, {'a', 3}}));
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
    buttonUp(PictureButton::Restart);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ending, Ending::Left);
    EXPECT_FALSE(records[0].score.has_value());
    EXPECT_EQ(records[0].mistypes, 1);
    EXPECT_EQ(records[0].missed, (std::map<kibbo::KeyChar, std::int32_t>{{'k', 1}}));
    EXPECT_FALSE(records[0].anySpelling);

    for (int i = 0; i < 3600 && s().screen == Screen::Play; ++i)
        tick();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].ending, Ending::Over);
    EXPECT_EQ(records[1].seconds, 360);
    EXPECT_TRUE(records[1].missed.empty()) << "a new game starts afresh";
    buttonUp(PictureButton::Top);
    EXPECT_EQ(records.size(), 2u) << "leaving an end screen ends no game";

    buttonUp(PictureButton::Start);
    buttonUp(PictureButton::Finish);
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
        buttonUp(PictureButton::Top);
    }
}

// A key's time runs from the dog's accepted key before it, mistypes and
// all; the dog's first key and gaps over two seconds go untimed but
// counted; a key only ever missed is kept with no press.
TEST_F(PracticeTest, EachKeyIsTimedFromTheKeyBefore)
{
    startAt(223); // "kai"
    now = 5000;
    type(u"k");
    now += 3000;
    type(u"a");
    now += 100;
    type(u"x");
    now += 140;
    type(u"i");
    buttonUp(PictureButton::Top);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].typed, (std::map<kibbo::KeyChar, KeyTimes>{{'a', {1, std::nullopt}}, {'i', {1, 240}}, {'k', {1, std::nullopt}}}));
    EXPECT_EQ(records[0].mode, Mode::Normal);

    startAt(223);
    type(u"!");
    buttonUp(PictureButton::Top);
    EXPECT_EQ(records[1].typed, (std::map<kibbo::KeyChar, KeyTimes>{{'k', {0, std::nullopt}}}));
}

namespace {

// A player who mistypes one letter every time it comes and is slow on it,
// through the game's own judge and clock.
class WeakLetterPlayer : public PracticeTest {
protected:
    static constexpr char kWeak = 'b';

    // One game of `dogs` dogs, the sweep moved on between them, then back
    // to the title; the game goes to the history as the store would keep it.
    void playGame(int dogs, int firstIndex)
    {
        startAt(firstIndex);
        for (int dog = 0; dog < dogs; ++dog) {
            for (const char16_t letter : std::u16string(s().typGuide)) {
                if (letter == kWeak) {
                    keyPress(u'!');
                    now += 600;
                } else {
                    now += 150;
                }
                keyPress(letter);
                typedLetters += static_cast<char>(letter);
            }
            for (int i = 0; i < 7; ++i)
                tick();
        }
        buttonUp(PictureButton::Top);
        store.history.push_back(records.back());
    }

    void practice(bool on)
    {
        Options options;
        options.weakKeys = on;
        store.options = options;
    }

    static double ShareOf(char letter, const std::string& letters)
    {
        return static_cast<double>(std::ranges::count(letters, letter)) / static_cast<double>(letters.size());
    }

    std::string typedLetters;
};

} // namespace

// With practice on, a player's weak letter comes at least twice as often as
// in the catalogue; with it off (or before keys are judged), every dog is
// the sweep's and the games are normal.
TEST_F(WeakLetterPlayer, PracticeBringsDogsRichInTheWeakLetter)
{
    std::string catalogue;
    for (const DogEntry& dog : dogTable) {
        const std::u16string guide = MakeGuide(dog.dogYomi, KeyPrefs{});
        catalogue.append(guide.begin(), guide.end());
    }
    practice(true);
    playGame(40, 0); // a new player's: no key judged yet, so a normal game
    practice(false);
    for (int g = 1; g < 4; ++g)
        playGame(40, g * 71);
    EXPECT_TRUE(std::ranges::none_of(traced, [](const std::string& line) { return line.ends_with("\tpractice"); }));
    EXPECT_TRUE(std::ranges::all_of(records, [](const GameRecord& r) { return r.mode == Mode::Normal; }));
    const double offShare = ShareOf(kWeak, typedLetters);

    typedLetters.clear();
    traced.clear();
    practice(true);
    for (int g = 0; g < 3; ++g)
        playGame(40, g * 53);
    const double onShare = ShareOf(kWeak, typedLetters);
    RecordProperty("catalogueShare", std::to_string(ShareOf(kWeak, catalogue)));
    RecordProperty("offShare", std::to_string(offShare));
    RecordProperty("onShare", std::to_string(onShare));
    EXPECT_GE(onShare, 2 * ShareOf(kWeak, catalogue)) << "off " << offShare;
    EXPECT_EQ(records.back().mode, Mode::Practice);

    // Every second dog only, each new within the game's last 30 dogs.
    std::vector<int> shown;
    int chosen = 0;
    for (const std::string& line : traced) {
        if (line == "start")
            shown.clear(); // a game of its own
        if (!line.starts_with("dog\t"))
            continue;
        const int index = std::stoi(line.substr(4));
        ASSERT_GE(index, 0);
        ASSERT_LT(index, static_cast<int>(dogTable.size()));
        if (line.ends_with("\tpractice")) {
            ++chosen;
            const auto from = shown.size() > kPracticeFreshDogs ? shown.end() - kPracticeFreshDogs : shown.begin();
            EXPECT_EQ(std::find(from, shown.end(), index), shown.end()) << "dog " << index << " again within 30";
        }
        shown.push_back(index);
    }
    EXPECT_GT(chosen, 3 * 15);
    EXPECT_LE(chosen, 3 * 20);
}

// The trace names a dog practice chose even where the sweep stands at that
// very dog: a copy of the game finds the dog practice takes, and the game
// itself meets it with the sweep there.
TEST_F(WeakLetterPlayer, APracticeDogIsSaidWhereTheSweepStandsAtIt)
{
    for (int g = 0; g < 3; ++g)
        playGame(40, g * 71);
    practice(true);
    startAt(0);
    Game ahead = game;
    for (const char16_t letter : std::u16string(ahead.state().typGuide))
        ahead.keyPress(letter);
    ASSERT_TRUE(traced.back().ends_with("\tpractice"));
    const int chosen = std::stoi(traced.back().substr(4));

    game.mutableState().dogIndex = static_cast<std::int16_t>(chosen);
    type(std::u16string(s().typGuide));
    EXPECT_EQ(traced.back().substr(0, traced.back().find('\t', 4)), "dog\t" + std::to_string(chosen));
    EXPECT_TRUE(traced.back().ends_with("\tpractice")) << traced.back();
}

// A practice game that clears shows and keeps its score but offers no
// ranking place, however high it is.
TEST_F(WeakLetterPlayer, APracticeClearEntersNoRanking)
{
    for (int g = 0; g < 3; ++g)
        playGame(40, g * 71);
    practice(true);
    startAt(0);
    game.mutableState().walkerLeft = kWalkerHomeLeft - 60;
    type(std::u16string(s().typGuide)); // the first dog: the sweep's
    ASSERT_EQ(s().screen, Screen::Play);
    type(std::u16string(s().typGuide)); // the second: chosen for the weak letter
    ASSERT_EQ(s().screen, Screen::Cleared);
    EXPECT_TRUE(game.lastClear().practice);
    EXPECT_FALSE(game.lastClear().entersRanking);
    EXPECT_EQ(store.lastScore, game.lastClear().score);
    EXPECT_EQ(records.back().mode, Mode::Practice);
    EXPECT_EQ(records.back().score, game.lastClear().score);
}

// In kana, practice weighs kana keys from the kana games alone: with the
// voiced mark weak, the dog it chooses is the one whose keys hold the most
// marks. A romaji game's slow letters count for nothing here.
TEST_F(PracticeTest, KanaPracticeChoosesForTheWeakKanaKeys)
{
    for (int g = 0; g < 10; ++g) {
        GameRecord kanaGame;
        kanaGame.time = "2026-12-08T10:00:00";
        kanaGame.mode = Mode::Kana;
        kanaGame.typed = {{u'゛', {10, 400}}, {u'か', {30, 200}}, {u'し', {30, 210}}, {u'の', {30, 190}}};
        kanaGame.missed = {{u'゛', 5}};
        store.history.push_back(kanaGame);
    }
    GameRecord romaji;
    romaji.time = "2026-12-08T11:00:00";
    romaji.typed = {{'a', {100, 2000}}};
    store.history.push_back(romaji);
    Options options;
    options.kanaInput = true;
    options.weakKeys = true;
    store.options = options;
    startAt(5);
    for (const char16_t key : KanaStrokes(s().typGuide))
        game.keyPress(u'\0', key);
    ASSERT_TRUE(traced.back().ends_with("\tpractice")) << traced.back();
    const int chosen = std::stoi(traced.back().substr(4));

    double best = 0;
    int richest = -1;
    for (std::size_t i = 0; i < dogTable.size(); ++i) {
        const std::u16string keys = KanaStrokes(dogTable[i].dogYomi);
        const double share = static_cast<double>(std::ranges::count(keys, u'゛')) / static_cast<double>(keys.size());
        if (share > best && i != 5) {
            best = share;
            richest = static_cast<int>(i);
        }
    }
    EXPECT_EQ(chosen, richest);
    buttonUp(PictureButton::Top);
    EXPECT_EQ(records.back().mode, Mode::KanaPractice);
}

// Keys chosen by hand come before the measured ones: with "v" chosen, every
// second dog is one whose guide has a v, best share first, and none of them
// comes back within 30 dogs: the twelve such dogs fill the practice places
// up to the 24th dog, the sweep's dog fills them up to the 32nd, and the
// first comes back as the 34th.
TEST_F(PracticeTest, ChosenKeysAndThirtyDogsApart)
{
    Options options;
    options.weakKeys = true;
    options.focusKeys = "v";
    store.options = options;
    startAt(223); // かい, and the sweep stands there without ticks
    for (int dog = 0; dog < 40; ++dog)
        type(std::u16string(s().typGuide));
    std::vector<int> practiceAt, practiceDogs;
    int at = 0;
    for (const std::string& line : traced) {
        if (!line.starts_with("dog\t"))
            continue;
        if (line.ends_with("\tpractice")) {
            practiceAt.push_back(at);
            practiceDogs.push_back(std::stoi(line.substr(4)));
        }
        ++at;
    }
    EXPECT_EQ(practiceAt, (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 33, 35, 37, 39}));
    ASSERT_EQ(practiceDogs.size(), 16u);
    EXPECT_EQ(practiceDogs[12], practiceDogs[0]);
    // The chosen letter's share of the game's letters against the catalogue's.
    std::u16string catalogue, played;
    for (const DogEntry& dog : dogTable)
        catalogue += MakeGuide(dog.dogYomi, KeyPrefs{});
    for (const std::string& line : traced) {
        if (line.starts_with("dog\t"))
            played += MakeGuide(dogTable[static_cast<std::size_t>(std::stoi(line.substr(4)))].dogYomi, KeyPrefs{});
    }
    const auto share = [](const std::u16string& letters) {
        return static_cast<double>(std::ranges::count(letters, u'v')) / static_cast<double>(letters.size());
    };
    EXPECT_GE(share(played), 5 * share(catalogue));
    for (int i = 0; i < 12; ++i) {
        const std::u16string guide = MakeGuide(dogTable[static_cast<std::size_t>(practiceDogs[i])].dogYomi, KeyPrefs{});
        EXPECT_NE(guide.find(u'v'), std::u16string::npos) << practiceDogs[i];
    }
    buttonUp(PictureButton::Top);
    EXPECT_EQ(records.back().mode, Mode::Practice);
}

// The practice caption shows on the title and play screens while the option
// is on, from the first title of a start, and follows a change made in the
// records window at once.
TEST_F(PracticeTest, PracticeCaptionFollowsTheOption)
{
    formLoad();
    EXPECT_FALSE(controls.at(Control::PracticeNote).visible);
    Options options;
    options.weakKeys = true;
    store.options = options;
    formLoad();
    EXPECT_TRUE(controls.at(Control::PracticeNote).visible) << "the title the game starts on";
    store.options.reset();
    optionsChanged();
    EXPECT_FALSE(controls.at(Control::PracticeNote).visible);
    store.options = options;
    optionsChanged();
    EXPECT_TRUE(controls.at(Control::PracticeNote).visible);
    buttonUp(PictureButton::Start);
    EXPECT_TRUE(controls.at(Control::PracticeNote).visible);
    for (int i = 0; i < 3600 && s().screen == Screen::Play; ++i)
        tick();
    ASSERT_EQ(s().screen, Screen::GameOver);
    EXPECT_FALSE(controls.at(Control::PracticeNote).visible) << "the result lines have the window";
    buttonUp(PictureButton::Top);
    EXPECT_TRUE(controls.at(Control::PracticeNote).visible);
    store.options.reset();
    optionsChanged();
    EXPECT_FALSE(controls.at(Control::PracticeNote).visible);
}
