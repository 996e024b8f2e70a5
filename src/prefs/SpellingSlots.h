// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefs/KeyPrefs.h"

#include <array>
#include <span>
#include <string_view>

namespace kibbo {

// A kana the player may spell in more than one way. The value a slot holds
// picks one of its spellings: 0 is the one the base conversion writes, 1 and
// 2 replace it in the guide. The key settings list the same spellings in
// upper case, in this order, so the position in the list is the value.
struct SpellingSlot {
    std::u16string_view kana;
    std::array<std::u16string_view, 3> spellings; // unused places are empty
    // After a small っ the base conversion doubles the first letter ("ssi");
    // such a slot rewrites the doubled form too ("sshi").
    bool doubled;

    constexpr std::span<const std::u16string_view> choices() const
    {
        return {spellings.data(), spellings[2].empty() ? 2u : 3u};
    }
};

inline constexpr std::array<SpellingSlot, kKeyPrefSlots> kSpellingSlots = {{
    {u"し", {u"si", u"shi"}, true},
    {u"ち", {u"ti", u"chi"}, true},
    {u"つ", {u"tu", u"tsu"}, true},
    {u"ふ", {u"hu", u"fu"}, true},
    {u"ん", {u"nn", u"n"}, false},
    {u"じ", {u"ji", u"zi"}, true},
    {u"しゃ", {u"sya", u"sha"}, true},
    {u"しゅ", {u"syu", u"shu"}, true},
    {u"しぇ", {u"sye", u"she"}, true},
    {u"しょ", {u"syo", u"sho"}, true},
    {u"ちゃ", {u"tya", u"cha"}, true},
    {u"ちぃ", {u"tyi", u"cyi"}, true},
    {u"ちゅ", {u"tyu", u"chu"}, true},
    {u"ちぇ", {u"tye", u"che"}, true},
    {u"ちょ", {u"tyo", u"cho"}, true},
    {u"ふぃ", {u"fi", u"fyi"}, true},
    {u"ふぇ", {u"fe", u"fye"}, true},
    {u"じゃ", {u"ja", u"zya"}, true},
    {u"じぃ", {u"jyi", u"zyi"}, true},
    {u"じゅ", {u"ju", u"zyu"}, true},
    {u"じぇ", {u"je", u"zye"}, true},
    {u"じょ", {u"jo", u"zyo"}, true},
    {u"ぁ", {u"la", u"xa"}, false},
    {u"ぃ", {u"li", u"xi"}, false},
    {u"ぅ", {u"lu", u"xu"}, false},
    {u"ぇ", {u"le", u"xe"}, false},
    {u"ぉ", {u"lo", u"xo"}, false},
    {u"ゃ", {u"lya", u"xya"}, false},
    {u"ゅ", {u"lyu", u"xyu"}, false},
    {u"ょ", {u"lyo", u"xyo"}, false},
    {u"っ", {u"ltu", u"xtu"}, false},
    {u"うぃ", {u"wi", u"uli", u"uxi"}, false},
    {u"うぇ", {u"we", u"ule", u"uxe"}, false},
    {u"てゃ", {u"tha", u"telya", u"texya"}, false},
    {u"てぃ", {u"thi", u"teli", u"texi"}, false},
    {u"てゅ", {u"thu", u"telyu", u"texyu"}, false},
    {u"てぇ", {u"the", u"tele", u"texe"}, false},
    {u"てょ", {u"tho", u"telyo", u"texyo"}, false},
    {u"でゃ", {u"dha", u"delya", u"dexya"}, false},
    {u"でぃ", {u"dhi", u"deli", u"dexi"}, false},
    {u"でゅ", {u"dhu", u"delyu", u"dexyu"}, false},
    {u"でぇ", {u"dhe", u"dele", u"dexe"}, false},
    {u"でょ", {u"dho", u"delyo", u"dexyo"}, false},
}};

} // namespace kibbo
