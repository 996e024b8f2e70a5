// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/SpellingSlots.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/RomajiMatcher.h"
#include "support/PrefsWith.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

using kibbo::KeyPrefs;
using kibbo::test::With;
using kibbo::MakeGuide;
using kibbo::RomajiMatcher;

namespace {

// A key and the guide after it; a wrong key must leave the guide as it was.
struct Step {
    char key;
    std::u16string guide;
    bool right = true;
};

struct MatchCase {
    const char* name;
    std::u16string reading;
    KeyPrefs prefs;
    std::vector<Step> steps;
};

void Play(const MatchCase& c)
{
    RomajiMatcher matcher(c.reading, c.prefs);
    EXPECT_EQ(matcher.guide(), MakeGuide(c.reading, c.prefs)) << c.name;
    std::string typed;
    for (const Step& step : c.steps) {
        typed += step.key;
        EXPECT_EQ(matcher.type(static_cast<char16_t>(step.key)), step.right) << c.name << " after " << typed;
        EXPECT_EQ(matcher.guide(), step.guide) << c.name << " after " << typed;
    }
}

bool GuideLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || c == u'-' || c == u'.' || c == u',';
}

// Values a slot may hold: every choice it offers, most often, and what the
// file may hold besides (-1 for an empty box, any other 16-bit number).
KeyPrefs RandomPrefs(std::mt19937& random)
{
    static constexpr std::int16_t kOther[] = {-1, 2, 3, 99, -32768, 32767};
    KeyPrefs prefs{};
    for (std::size_t slot = 0; slot < prefs.size(); ++slot) {
        const auto choices = static_cast<unsigned>(kibbo::kSpellingSlots[slot].choices().size());
        const unsigned pick = random() % (choices + 1);
        prefs[slot] = pick < choices ? static_cast<std::int16_t>(pick) : kOther[random() % std::size(kOther)];
    }
    return prefs;
}

} // namespace

// The player may leave the guide for another spelling at any key; the guide
// then shows the rest of the spelling begun.
TEST(RomajiMatcher, GuideFollowsTheSpellingBegun)
{
    const MatchCase cases[] = {
        {"shi on a si guide", u"し", {}, {{'s', u"i"}, {'h', u"i"}, {'i', u""}}},
        {"si on a shi guide", u"し", With({{0, 1}}), {{'s', u"hi"}, {'i', u""}}},
        {"ci", u"し", {}, {{'c', u"i"}, {'i', u""}}},
        {"chi", u"ちわわ", {}, {{'c', u"hiwawa"}, {'h', u"iwawa"}, {'i', u"wawa"}, {'w', u"awa"}}},
        {"tsu and fu", u"つふ", {}, {{'t', u"uhu"}, {'s', u"uhu"}, {'u', u"hu"}, {'f', u"u"}, {'u', u""}}},
        {"sha", u"しゃ", {}, {{'s', u"ya"}, {'h', u"a"}, {'a', u""}}},
        {"the rest in the player's spellings", u"しゃし", With({{0, 1}}),
         {{'s', u"yashi"}, {'h', u"ashi"}, {'a', u"shi"}}},
        {"zya", u"じゃ", {}, {{'z', u"ya"}, {'y', u"a"}, {'a', u""}}},
        {"jya", u"じゃ", {}, {{'j', u"a"}, {'y', u"a"}, {'a', u""}}},
        {"cha over cya", u"ちゃ", {}, {{'c', u"ha"}, {'y', u"a"}, {'a', u""}}},
        {"teli, then texi", u"てぃ", {}, {{'t', u"hi"}, {'e', u"li"}, {'x', u"i"}, {'i', u""}}},
        {"uli", u"うぃ", {}, {{'u', u"li"}, {'l', u"i"}, {'i', u""}}},
        {"whi", u"うぃ", {}, {{'w', u"i"}, {'h', u"i"}, {'i', u""}}},
        {"ca qu co", u"かくこ", {}, {{'c', u"akuko"}, {'a', u"kuko"}, {'q', u"uko"}, {'u', u"ko"}, {'c', u"o"}}},
        {"fwa", u"ふぁ", {}, {{'f', u"a"}, {'w', u"a"}, {'a', u""}}},
    };
    for (const MatchCase& c : cases)
        Play(c);
}

// A two-kana sound may be typed as its two kana, each in any spelling.
TEST(RomajiMatcher, TwoKanaSoundsTypedApart)
{
    const MatchCase cases[] = {
        {"si + xya", u"しゃ", {}, {{'s', u"ya"}, {'i', u"lya"}, {'x', u"ya"}, {'y', u"a"}, {'a', u""}}},
        {"shi + lya", u"しゃ", {}, {{'s', u"ya"}, {'h', u"a"}, {'i', u"lya"}, {'l', u"ya"}}},
        {"the slot's own split", u"でぃ", {}, {{'d', u"hi"}, {'e', u"li"}, {'l', u"i"}, {'i', u""}}},
        {"de + lyi", u"でぃ", {}, {{'d', u"hi"}, {'e', u"li"}, {'l', u"i"}, {'y', u"i"}, {'i', u""}}},
        {"fu + xa", u"ふぁ", {}, {{'f', u"a"}, {'u', u"la"}, {'x', u"a"}, {'a', u""}}},
        {"small kana standing alone", u"とゅ", {}, {{'t', u"olyu"}, {'o', u"lyu"}, {'x', u"yu"}}},
    };
    for (const MatchCase& c : cases)
        Play(c);
}

// ん is "nn", "n", "n'" or "xn" wherever it stands, since the reading tells
// what follows; a single "n" before a vowel is what the key settings' "N"
// makes of きんえ.
TEST(RomajiMatcher, SyllabicN)
{
    const MatchCase cases[] = {
        {"n before a vowel", u"きんえ", {}, {{'k', u"inne"}, {'i', u"nne"}, {'n', u"ne"}, {'e', u""}}},
        {"nn on an n guide", u"きんえ", With({{4, 1}}), {{'k', u"ine"}, {'i', u"ne"}, {'n', u"e"}, {'n', u"e"}, {'e', u""}}},
        {"n'", u"かんい", {}, {{'k', u"anni"}, {'a', u"nni"}, {'n', u"ni"}, {'\'', u"i"}, {'i', u""}}},
        {"xn", u"ん", {}, {{'x', u"n"}, {'n', u""}}},
        {"a single n ends the reading", u"ん", {}, {{'n', u""}, {'\'', u""}, {'n', u"", false}}},
        // "kinn" may be ん as "nn", or ん as "n" and the n of な: both stay open.
        {"kinnna", u"きんな", {}, {{'k', u"innna"}, {'i', u"nnna"}, {'n', u"nna"}, {'n', u"na"}, {'n', u"a"}, {'a', u""}}},
        {"kinna", u"きんな", {}, {{'k', u"innna"}, {'i', u"nnna"}, {'n', u"nna"}, {'n', u"na"}, {'a', u""}}},
        {"n guide kinnna", u"きんな", With({{4, 1}}), {{'k', u"inna"}, {'i', u"nna"}, {'n', u"na"}, {'n', u"a"}, {'n', u"a"}, {'a', u""}}},
        {"nn n n", u"んん", With({{4, 1}}), {{'n', u"n"}, {'n', u""}}},
    };
    for (const MatchCase& c : cases)
        Play(c);
}

// A small っ is typed alone or by doubling the first letter of whatever
// spelling follows it.
TEST(RomajiMatcher, SmallTsu)
{
    const MatchCase cases[] = {
        {"ltu", u"った", {}, {{'l', u"tuta"}, {'t', u"uta"}, {'u', u"ta"}, {'t', u"a"}}},
        {"xtsu", u"った", {}, {{'x', u"tuta"}, {'t', u"uta"}, {'s', u"uta"}, {'u', u"ta"}}},
        {"cchi", u"だっち", {}, {{'d', u"atti"}, {'a', u"tti"}, {'c', u"chi"}, {'c', u"hi"}, {'h', u"i"}}},
        {"tchi", u"だっち", {}, {{'d', u"atti"}, {'a', u"tti"}, {'t', u"ti"}, {'c', u"hi"}, {'h', u"i"}}},
        {"sshi", u"っし", {}, {{'s', u"si"}, {'s', u"i"}, {'h', u"i"}, {'i', u""}}},
        {"hhu", u"っふ", {}, {{'h', u"hu"}, {'f', u"hu", false}, {'h', u"u"}, {'u', u""}}},
        {"ffu", u"っふ", {}, {{'f', u"fu"}, {'f', u"u"}, {'u', u""}}},
        {"zzya", u"っじゃ", {}, {{'z', u"zya"}, {'z', u"ya"}, {'a', u"ya", false}, {'y', u"a"}}},
        {"no doubled n", u"っな", {}, {{'n', u"ltuna", false}, {'l', u"tuna"}}},
    };
    for (const MatchCase& c : cases)
        Play(c);
}

// A key no spelling allows changes nothing, and once the dog is typed every
// key is wrong.
TEST(RomajiMatcher, WrongKeysChangeNothing)
{
    const MatchCase cases[] = {
        {"wrong first key", u"ちわわ", {}, {{'x', u"tiwawa", false}, {'T', u"tiwawa", false}, {'t', u"iwawa"}}},
        {"wrong after a re-formed guide", u"しゃ", {}, {{'s', u"ya"}, {'h', u"a"}, {'y', u"a", false}, {'a', u""}}},
        {"backspace and enter", u"かい", {}, {{'\b', u"kai", false}, {'\r', u"kai", false}, {'k', u"ai"}}},
        {"done", u"かい", {}, {{'k', u"ai"}, {'a', u"i"}, {'i', u""}, {'i', u"", false}, {'a', u"", false}}},
        {"a final n typed nn", u"かん", With({{4, 1}}), {{'k', u"an"}, {'a', u"n"}, {'n', u""}, {'n', u""}, {'n', u"", false}}},
        {"a final n typed n'", u"かん", With({{4, 1}}), {{'k', u"an"}, {'a', u"n"}, {'n', u""}, {'\'', u""}, {'n', u"", false}}},
        {"punctuation", u"あ、い。ー", {}, {{'a', u",i.-"}, {',', u"i.-"}, {'.', u"i.-", false}, {'i', u".-"}}},
        {"unknown characters are typed as themselves", u"あxい", {}, {{'a', u"xi"}, {'x', u"i"}}},
    };
    for (const MatchCase& c : cases)
        Play(c);
}

// Every spelling the key settings offer types its kana, whichever the game
// shows, also after a small っ for the slots whose guide doubles it.
TEST(RomajiMatcher, EveryKeySettingsChoiceIsAccepted)
{
    for (std::size_t slot = 0; slot < kibbo::kSpellingSlots.size(); ++slot) {
        const auto& entry = kibbo::kSpellingSlots[slot];
        for (std::u16string_view choice : entry.choices()) {
            for (std::size_t shown = 0; shown < entry.choices().size(); ++shown) {
                for (bool doubled : {false, true}) {
                    if (doubled && !entry.doubled)
                        continue;
                    // A kana after it, so that a final ん typed "n" is not
                    // cut short by a guide that shows "nn".
                    const std::u16string reading = (doubled ? u"っ" : u"") + std::u16string(entry.kana) + u"か";
                    const std::u16string keys =
                        (doubled ? std::u16string(1, choice[0]) : u"") + std::u16string(choice) + u"ka";
                    KeyPrefs prefs{};
                    prefs[slot] = static_cast<std::int16_t>(shown);
                    RomajiMatcher matcher(reading, prefs);
                    for (char16_t key : keys)
                        ASSERT_TRUE(matcher.type(key)) << std::string(keys.begin(), keys.end());
                    EXPECT_TRUE(matcher.done()) << std::string(keys.begin(), keys.end());
                }
            }
        }
    }
}

// The guide of any preference set types every catalogue dog in a game that
// has another set, without a mistype.
TEST(RomajiMatcher, AnyGuideTypesEveryCatalogueDog)
{
    std::mt19937 random(1);
    KeyPrefs ones;
    ones.fill(1);
    KeyPrefs twos;
    twos.fill(2);
    std::vector<KeyPrefs> sets = {KeyPrefs{}, ones, twos};
    while (sets.size() < 40)
        sets.push_back(RandomPrefs(random));

    for (std::size_t index = 0; index < kibbo::dogTable.size(); ++index) {
        const auto reading = kibbo::dogTable[index].dogYomi;
        for (std::size_t shown = 0; shown < sets.size(); ++shown) {
            const std::u16string guide = MakeGuide(reading, sets[shown]);
            const KeyPrefs& game = sets[(shown * 7 + index) % sets.size()];
            RomajiMatcher matcher(reading, game);
            ASSERT_EQ(matcher.guide(), MakeGuide(reading, game));
            ASSERT_EQ(matcher.progress(), (RomajiMatcher::Progress{0, 1}));
            for (std::size_t at = 0; at < guide.size(); ++at) {
                const std::size_t before = matcher.progress().typed;
                ASSERT_TRUE(matcher.type(guide[at]))
                    << "dog " << index << " set " << shown << " key " << at << " of " << std::string(guide.begin(), guide.end());
                // The kana counted typed move on only once the letters so
                // far spell them whole (a final n of ん may be known as
                // such only at the next kana's first letter); the marked
                // ones are still to come.
                const RomajiMatcher::Progress now = matcher.progress();
                ASSERT_GE(now.typed, before);
                ASSERT_TRUE(now.typed < now.end || now.typed == reading.size());
                ASSERT_LE(now.end, reading.size());
                if (now.typed > before) {
                    RomajiMatcher prefix(reading.substr(0, now.typed), game);
                    for (std::size_t k = 0; k <= at && !prefix.done(); ++k)
                        ASSERT_TRUE(prefix.type(guide[k])) << "dog " << index << " set " << shown << " key " << at;
                    ASSERT_TRUE(prefix.done()) << "dog " << index << " set " << shown << " key " << at;
                }
            }
            ASSERT_TRUE(matcher.done()) << "dog " << index << " set " << shown;
            ASSERT_EQ(matcher.progress().typed, reading.size()) << "dog " << index << " set " << shown;
        }
    }
}

// Any path of right keys reaches the end of the reading: at every step some
// key is right, the guide holds only guide letters and is itself typed to the
// end, and wrong keys leave it as it was.
TEST(RomajiMatcher, EveryRightPathCompletes)
{
    std::u16string keys = u"abcdefghijklmnopqrstuvwxyz-.,'";
    keys += u"AZ0\b\r\x1b ";
    std::mt19937 random(2);
    for (std::size_t index = 0; index < kibbo::dogTable.size(); ++index) {
        const auto reading = kibbo::dogTable[index].dogYomi;
        for (int path = 0; path < 6; ++path) {
            RomajiMatcher matcher(reading, RandomPrefs(random));
            std::string typed;
            while (!matcher.done()) {
                ASSERT_TRUE(std::all_of(matcher.guide().begin(), matcher.guide().end(), GuideLetter))
                    << "dog " << index << " after " << typed;
                RomajiMatcher follower = matcher;
                for (char16_t key : matcher.guide())
                    ASSERT_TRUE(follower.type(key)) << "dog " << index << " after " << typed;
                ASSERT_TRUE(follower.done());

                // The first right key of a shuffled keyboard is a fair pick
                // among the right keys.
                std::shuffle(keys.begin(), keys.end(), random);
                const std::u16string before = matcher.guide();
                bool moved = false;
                for (char16_t key : keys) {
                    if (matcher.type(key)) {
                        typed += static_cast<char>(key);
                        moved = true;
                        break;
                    }
                    ASSERT_EQ(matcher.guide(), before) << "dog " << index << " after " << typed;
                }
                ASSERT_TRUE(moved) << "dead end: dog " << index << " after " << typed;
                ASSERT_LT(typed.size(), 200u) << "dog " << index;
            }
        }
    }
}
