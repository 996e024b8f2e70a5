// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "support/PrefsWith.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

using kibbo::KeyPrefs;
using kibbo::test::With;
using kibbo::MakeGuide;
using kibbo::ReplaceText;

namespace {

struct GuideCase {
    const char* name;
    std::u16string reading;
    KeyPrefs prefs;
    std::u16string guide;
};

} // namespace

// Every occurrence is replaced once, left to right, and the scan resumes
// after the inserted text.
TEST(ReplaceText, ReplacesEachOccurrenceOnce)
{
    EXPECT_EQ(ReplaceText(u"abc", u"", u"x"), u"abc") << "empty search";
    EXPECT_EQ(ReplaceText(u"", u"a", u"x"), u"");
    EXPECT_EQ(ReplaceText(u"abc", u"d", u"x"), u"abc") << "no occurrence";
    EXPECT_EQ(ReplaceText(u"xyz", u"y", u"yy"), u"xyyz") << "inserted text is not searched again";
    EXPECT_EQ(ReplaceText(u"ab", u"b", u"ab"), u"ab") << "already inside a copy of the replacement";
    EXPECT_EQ(ReplaceText(u"bb", u"b", u"ab"), u"abab") << "not inside a copy: replaced";
    EXPECT_EQ(ReplaceText(u"nnnn", u"nn", u"n"), u"nn");
    EXPECT_EQ(ReplaceText(u"abcb", u"b", u""), u"ac") << "empty replacement deletes";
    EXPECT_EQ(ReplaceText(u"しし", u"し", u"si"), u"sisi");
    // The replacement check looks back from the occurrence, clamped at the start.
    EXPECT_EQ(ReplaceText(u"bab", u"b", u"ab"), u"abab");
}

TEST(MakeGuide, Conversions)
{
    const GuideCase cases[] = {
        {"n and long vowel", u"ばせんじー", {}, u"basennji-"},
        {"chi standard", u"ちわわ", {}, u"tiwawa"},
        {"chi", u"ちわわ", With({{1, 1}}), u"chiwawa"},
        {"sho", u"びしょんふりーぜ", {}, u"bisyonnhuri-ze"},
        {"fu n sho", u"びしょんふりーぜ", With({{3, 1}, {4, 1}, {9, 1}}), u"bishonfuri-ze"},
        {"n everywhere", u"こんちねんたるといすぱにえるぱぴよん", With({{4, 1}}),
         u"kontinentarutoisupanierupapiyon"},
        {"small tsu", u"だっちしーぷどっぐ", {}, u"dattisi-pudoggu"},
        {"doubled chi", u"だっちしーぷどっぐ", With({{1, 1}}), u"dacchisi-pudoggu"},
        {"shi", u"だっちしーぷどっぐ", With({{0, 1}}), u"dattishi-pudoggu"},
        {"hhu", u"えんとれぶっふきゃとるどっぐ", {}, u"enntorebuhhukyatorudoggu"},
        {"ffu", u"えんとれぶっふきゃとるどっぐ", With({{3, 1}}), u"enntorebuffukyatorudoggu"},
        {"lone small yu", u"ぺるでぃげいろぼるとゅげす", {}, u"perudhigeiroborutolyugesu"},
        {"xyu", u"ぺるでぃげいろぼるとゅげす", With({{28, 1}}), u"perudhigeiroborutoxyugesu"},
        {"no value 2 for small yu", u"ぺるでぃげいろぼるとゅげす", With({{28, 2}}), u"perudhigeiroborutolyugesu"},
        {"small u", u"すふぁぺんどぅす", {}, u"sufapenndolusu"},
        {"vu", u"ヴぇったーふーん", {}, u"vetta-hu-nn"},
        {"dexi", u"だんでぃーでぃもんとてりあ", With({{39, 2}}), u"danndexi-deximonntoteria"},
        {"shi value 2", u"し", With({{0, 2}}), u"si"},
        {"uxi", u"うぃ", With({{31, 2}}), u"uxi"},
        {"uli", u"うぃ", With({{31, 1}}), u"uli"},
        {"minus one", u"し", With({{0, -1}}), u"si"},
        {"punctuation", u"あ、い。", {}, u"a,i."},
        {"unknown passes", u"あxい", {}, u"axi"},
        {"kai", u"かい", {}, u"kai"},
        {"lone small tsu", u"っ", {}, u"ltu"},
        {"xtu", u"っ", With({{30, 1}}), u"xtu"},
        {"all standard", u"しちつふんじ", {}, u"sitituhunnji"},
    };
    for (const GuideCase& c : cases)
        EXPECT_EQ(MakeGuide(c.reading, c.prefs), c.guide) << c.name;
}

// Slots 2 and 3 only rewrite つ and ふ, never the letters of another kana's
// base form: でゅ, てゅ and a lone small っ stay for their own slots.
TEST(MakeGuide, PreferencesKeepOtherKanasLetters)
{
    const std::u16string entry104(kibbo::dogTable[104].dogYomi);
    EXPECT_EQ(MakeGuide(entry104, With({{3, 1}})), u"epanyu-rudhuponno-domeru");
    EXPECT_EQ(MakeGuide(entry104, With({{3, 1}, {40, 1}})), u"epanyu-rudelyuponno-domeru");
    EXPECT_EQ(MakeGuide(u"てゅ", With({{3, 1}, {35, 2}})), u"texyu");
    EXPECT_EQ(MakeGuide(u"てゅ", With({{3, 1}})), u"thu");
    EXPECT_EQ(MakeGuide(u"っ", With({{2, 1}})), u"ltu");
    EXPECT_EQ(MakeGuide(u"っ", With({{2, 1}, {30, 1}})), u"xtu");
    // The kana themselves still change.
    EXPECT_EQ(MakeGuide(u"つふっつっふ", With({{2, 1}, {3, 1}})), u"tsufuttsuffu");
}

// Every catalogue guide is plain ASCII, under the standard and the
// alternative spellings alike, and never empty.
TEST(MakeGuide, CatalogueGuidesAreAscii)
{
    KeyPrefs ones;
    ones.fill(1);
    KeyPrefs twos;
    twos.fill(2);
    for (const KeyPrefs& prefs : {KeyPrefs{}, ones, twos}) {
        std::size_t longest = 0;
        for (const auto& dog : kibbo::dogTable) {
            const std::u16string guide = MakeGuide(dog.dogYomi, prefs);
            ASSERT_FALSE(guide.empty());
            for (char16_t c : guide)
                ASSERT_TRUE((c >= u'a' && c <= u'z') || c == u'-') << std::string(dog.dogPic);
            longest = std::max(longest, guide.size());
        }
        if (prefs == KeyPrefs{}) {
            EXPECT_EQ(longest, 35u);
        }
    }
    EXPECT_EQ(MakeGuide(kibbo::dogTable[120].dogYomi, {}).size(), 35u);
}
