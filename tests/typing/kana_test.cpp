// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/DogTable.h"
#include "typing/KanaKeys.h"
#include "typing/KanaMatcher.h"

#include <QString>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using kibbo::KanaStrokes;
using kibbo::KanaMatcher;
using kibbo::KanaOfKey;
using kibbo::KeyOfKana;
using kibbo::KeyPress;

namespace {

// The layout as a Japanese keyboard prints it, written out again key by key:
// each row's keycodes, what they type, and what they type with Shift (the
// same kana on a key with no second one).
struct Row {
    std::vector<int> keycodes;
    std::u16string kana;
    std::u16string shifted;
};

const Row kRows[] = {
    {{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 132},
     u"ぬふあうえおやゆよわほへー",
     u"ぬふぁぅぇぉゃゅょをほへー"},
    {{24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35},
     u"たていすかんなにらせ゛゜",
     u"たてぃすかんなにらせ゛「"},
    {{38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 51},
     u"ちとしはきくまのりれけむ",
     u"ちとしはきくまのりれけ」"},
    {{52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 97},
     u"つさそひこみもねるめろ",
     u"っさそひこみも、。・ろ"},
};

std::string Utf8(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

// A reading typed through the keys: each expected kana looked up on the
// layout, that key pressed and the kana it gives handed to the matcher,
// the guide staying the end of the reading, less exactly the kana whose
// keys are all pressed (the reading's mark moves at a kana's end). The kana
// the keys gave, once the dog is typed; none where a kana has no key or is
// refused.
std::optional<std::u16string> TypeOnKeys(std::u16string_view reading)
{
    KanaMatcher matcher(reading);
    std::u16string pressed;
    while (!matcher.done()) {
        const auto key = KeyOfKana(matcher.expected());
        if (!key)
            return std::nullopt;
        const auto kana = KanaOfKey(key->keycode, key->shift);
        if (!kana || !matcher.type(*kana) || !reading.ends_with(matcher.guide()))
            return std::nullopt;
        pressed += *kana;
        std::size_t whole = 0;
        while (whole < reading.size() && KanaStrokes(reading.substr(0, whole + 1)).size() <= pressed.size())
            ++whole;
        if (reading.size() - matcher.guide().size() != whole)
            return std::nullopt;
    }
    return pressed;
}

} // namespace

// Every key of the four rows, with and without Shift, types what the
// keyboard prints; no other key types anything but the spare keys; and each
// kana, mark and punctuation has one key, which types it back.
TEST(KanaKeys, Layout)
{
    std::set<int> keycodes;
    std::set<char16_t> printed;
    for (const Row& row : kRows) {
        ASSERT_EQ(row.keycodes.size(), row.kana.size());
        ASSERT_EQ(row.keycodes.size(), row.shifted.size());
        for (std::size_t i = 0; i < row.keycodes.size(); ++i) {
            const int keycode = row.keycodes[i];
            EXPECT_EQ(KanaOfKey(keycode, false), row.kana[i]) << keycode;
            EXPECT_EQ(KanaOfKey(keycode, true), row.shifted[i]) << keycode;
            EXPECT_TRUE(keycodes.insert(keycode).second) << keycode;
            printed.insert(row.kana[i]);
            printed.insert(row.shifted[i]);
        }
    }
    EXPECT_EQ(kibbo::KanaLayout().size(), keycodes.size());
    for (const kibbo::KanaKey& key : kibbo::KanaLayout())
        EXPECT_TRUE(keycodes.contains(key.keycode)) << key.keycode;

    std::set<int> spares;
    for (const kibbo::SpareKey& spare : kibbo::SpareKeys())
        spares.insert(spare.keycode);
    for (int keycode = 0; keycode < 256; ++keycode) {
        if (keycodes.contains(keycode) || spares.contains(keycode))
            continue;
        EXPECT_EQ(KanaOfKey(keycode, false), std::nullopt) << keycode;
        EXPECT_EQ(KanaOfKey(keycode, true), std::nullopt) << keycode;
    }

    // 45 kana and を, the two marks, ー, 「」、。・ and the nine small kana.
    EXPECT_EQ(printed.size(), 46u + 2 + 1 + 5 + 9);
    for (char16_t kana : printed) {
        const auto key = KeyOfKana(kana);
        ASSERT_TRUE(key) << Utf8(std::u16string(1, kana));
        EXPECT_EQ(KanaOfKey(key->keycode, key->shift), kana) << Utf8(std::u16string(1, kana));
    }
    EXPECT_EQ(KeyOfKana(u'が'), std::nullopt);
    EXPECT_EQ(KeyOfKana(u'\0'), std::nullopt);
}

// A keyboard without the ろ and ー keys types them on the key left of 1, the
// one key the layout leaves free, which a US keyboard prints as `.
TEST(KanaKeys, SpareKeys)
{
    ASSERT_EQ(kibbo::SpareKeys().size(), 2u);
    for (const kibbo::SpareKey& spare : kibbo::SpareKeys()) {
        EXPECT_EQ(spare.keycode, 49);
        EXPECT_EQ(KanaOfKey(spare.keycode, spare.shift), spare.kana);
        // The layout's own key stays the one the key legends show.
        EXPECT_NE(KeyOfKana(spare.kana), (KeyPress{spare.keycode, spare.shift}));
    }
    EXPECT_EQ(KanaOfKey(49, false), u'ー');
    EXPECT_EQ(KanaOfKey(49, true), u'ろ');
    EXPECT_EQ(kibbo::SpareKeys()[0].name, u"`");
    EXPECT_EQ(kibbo::SpareKeys()[1].name, u"Shift+`");
}

// Every catalogue dog is typed key by key to the end, never refused, in as
// the keys KanaStrokes says: no reading holds a character without a key.
TEST(KanaMatcher, TypesEveryCatalogueDog)
{
    for (std::size_t index = 0; index < kibbo::dogTable.size(); ++index) {
        const auto reading = kibbo::dogTable[index].dogYomi;
        const auto pressed = TypeOnKeys(reading);
        ASSERT_TRUE(pressed) << index << " " << Utf8(reading);
        EXPECT_EQ(*pressed, KanaStrokes(reading)) << index;
    }
}

// Every kana the readings may hold is its own key, or the kana just before
// it in the code chart then ゛ (が after か), or the one two before then ゜
// (ぱ after は); ヴ is う ゛. Only ゎ, ゐ and ゑ have no key.
TEST(KanaMatcher, EveryKanaByItsKeys)
{
    std::u16string all = u"ヴー";
    for (char16_t kana = u'ぁ'; kana <= u'ん'; ++kana)
        all += kana;
    for (char16_t kana : all) {
        const std::u16string reading(1, kana);
        const auto pressed = TypeOnKeys(reading);
        if (std::u16string_view(u"ゎゐゑ").find(kana) != std::u16string_view::npos) {
            EXPECT_EQ(pressed, std::nullopt) << Utf8(reading);
            continue;
        }
        ASSERT_TRUE(pressed) << Utf8(reading);
        const std::set<std::u16string> ways = {
            reading,
            {static_cast<char16_t>(kana - 1), kibbo::kVoicedMark},
            {static_cast<char16_t>(kana - 2), kibbo::kSemiVoicedMark},
            u"う゛",
        };
        EXPECT_TRUE(ways.contains(*pressed)) << Utf8(reading) << " typed " << Utf8(*pressed);
        EXPECT_EQ(*pressed == u"う゛", kana == u'ヴ') << Utf8(reading);
        EXPECT_EQ(*pressed, KanaStrokes(reading)) << Utf8(reading);
    }
    EXPECT_EQ(TypeOnKeys(u"ばぱびぴ"), u"は゛は゜ひ゛ひ゜");
    EXPECT_EQ(KanaStrokes(u""), u"");
    EXPECT_EQ(KanaStrokes(u"ヴぇったーふーん"), u"う゛ぇったーふーん");
}

// Kana typed one by one, each with whether it is right, the guide after it
// and the kana expected next; a wrong one changes nothing.
TEST(KanaMatcher, Steps)
{
    struct Step {
        char16_t kana;
        bool right;
        std::u16string guide;
        char16_t expected;
    };
    struct Case {
        const char* name;
        std::u16string reading;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"plain kana", u"ちわわ", {{u'ち', true, u"わわ", u'わ'}, {u'わ', true, u"わ", u'わ'}, {u'わ', true, u"", u'\0'}}},
        {"a voiced kana waits whole for its mark", u"がく",
         {{u'か', true, u"がく", u'゛'}, {u'゛', true, u"く", u'く'}, {u'く', true, u"", u'\0'}}},
        {"ヴ and a small kana", u"ヴぁ", {{u'う', true, u"ヴぁ", u'゛'}, {u'゛', true, u"ぁ", u'ぁ'}, {u'ぁ', true, u"", u'\0'}}},
        {"a half-voiced kana", u"ぱ", {{u'は', true, u"ぱ", u'゜'}, {u'゜', true, u"", u'\0'}}},
        {"the wrong mark", u"ば", {{u'は', true, u"ば", u'゛'}, {u'゜', false, u"ば", u'゛'}, {u'゛', true, u"", u'\0'}}},
        {"a mark with no kana before it", u"がか",
         {{u'゛', false, u"がか", u'か'}, {u'か', true, u"がか", u'゛'}, {u'゛', true, u"か", u'か'}, {u'゛', false, u"か", u'か'}}},
        {"a mark after a plain kana", u"はい", {{u'は', true, u"い", u'い'}, {u'゛', false, u"い", u'い'}}},
        {"another kana while the mark is awaited", u"が",
         {{u'か', true, u"が", u'゛'}, {u'か', false, u"が", u'゛'}, {u'が', false, u"が", u'゛'}}},
        {"a voiced kana itself is no key", u"が", {{u'が', false, u"が", u'か'}}},
        {"small kana are not their big ones", u"っゃ", {{u'つ', false, u"っゃ", u'っ'}, {u'っ', true, u"ゃ", u'ゃ'}, {u'や', false, u"ゃ", u'ゃ'}}},
        {"keys with no kana, and punctuation", u"あ", {{u'\0', false, u"あ", u'あ'}, {u'、', false, u"あ", u'あ'}, {u'a', false, u"あ", u'あ'}}},
        {"done", u"ー", {{u'ー', true, u"", u'\0'}, {u'ー', false, u"", u'\0'}, {u'\0', false, u"", u'\0'}}},
    };
    for (const Case& c : cases) {
        KanaMatcher matcher(c.reading);
        EXPECT_EQ(matcher.guide(), c.reading) << c.name;
        std::u16string typed;
        for (const Step& step : c.steps) {
            typed += step.kana;
            EXPECT_EQ(matcher.type(step.kana), step.right) << c.name << " after " << Utf8(typed);
            EXPECT_EQ(matcher.guide(), step.guide) << c.name << " after " << Utf8(typed);
            EXPECT_EQ(matcher.expected(), step.expected) << c.name << " after " << Utf8(typed);
            EXPECT_EQ(matcher.done(), step.guide.empty()) << c.name << " after " << Utf8(typed);
        }
    }
}
