// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/DogTable.h"
#include "typing/KanaKeys.h"

#include <QString>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

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
