// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/KanaKeys.h"

namespace kibbo {

namespace {

// The comments name each key by what a Japanese keyboard prints on it
// beside the kana.
constexpr KanaKey kLayout[] = {
    // 1 to 0, -, ^, ¥
    {10, u'ぬ'}, {11, u'ふ'}, {12, u'あ', u'ぁ'}, {13, u'う', u'ぅ'}, {14, u'え', u'ぇ'},
    {15, u'お', u'ぉ'}, {16, u'や', u'ゃ'}, {17, u'ゆ', u'ゅ'}, {18, u'よ', u'ょ'}, {19, u'わ', u'を'},
    {20, u'ほ'}, {21, u'へ'}, {132, u'ー'},
    // Q to P, @, [
    {24, u'た'}, {25, u'て'}, {26, u'い', u'ぃ'}, {27, u'す'}, {28, u'か'},
    {29, u'ん'}, {30, u'な'}, {31, u'に'}, {32, u'ら'}, {33, u'せ'},
    {34, kVoicedMark}, {35, kSemiVoicedMark, u'「'},
    // A to L, ;, :, ]
    {38, u'ち'}, {39, u'と'}, {40, u'し'}, {41, u'は'}, {42, u'き'},
    {43, u'く'}, {44, u'ま'}, {45, u'の'}, {46, u'り'},
    {47, u'れ'}, {48, u'け'}, {51, u'む', u'」'},
    // Z to M, the comma, the full stop, /, \ beside the right Shift
    {52, u'つ', u'っ'}, {53, u'さ'}, {54, u'そ'}, {55, u'ひ'}, {56, u'こ'},
    {57, u'み'}, {58, u'も'}, {59, u'ね', u'、'}, {60, u'る', u'。'}, {61, u'め', u'・'},
    {97, u'ろ'},
};

constexpr SpareKey kSpareKeys[] = {
    {u'ー', 49, false, u"`"},
    {u'ろ', 49, true, u"Shift+`"},
};

} // namespace

std::span<const KanaKey> KanaLayout()
{
    return kLayout;
}

std::span<const SpareKey> SpareKeys()
{
    return kSpareKeys;
}

std::optional<char16_t> KanaOfKey(int keycode, bool shift)
{
    for (const KanaKey& key : kLayout)
        if (key.keycode == keycode)
            return shift && key.shifted ? key.shifted : key.kana;
    for (const SpareKey& key : kSpareKeys)
        if (key.keycode == keycode && key.shift == shift)
            return key.kana;
    return std::nullopt;
}

std::optional<KeyPress> KeyOfKana(char16_t kana)
{
    for (const KanaKey& key : kLayout) {
        if (key.kana == kana)
            return KeyPress{key.keycode, false};
        if (key.shifted && key.shifted == kana)
            return KeyPress{key.keycode, true};
    }
    return std::nullopt;
}

} // namespace kibbo
