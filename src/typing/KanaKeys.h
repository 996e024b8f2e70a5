// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kibbo {

// What the player types: romaji letters, or kana by the kana printed on the
// keys.
enum class Input { Romaji, Kana };

// The marks typed after a kana to voice it (か ゛ is が) or half-voice it
// (は ゜ is ぱ); each has a key of its own.
inline constexpr char16_t kVoicedMark = u'゛';
inline constexpr char16_t kSemiVoicedMark = u'゜';

// A key of the kana layout printed on Japanese keyboards, named by its X
// keycode: the Linux key number plus 8, which is what Qt gives as a key
// event's native scan code under X11. Naming the physical key, not the
// character the system makes of it, lets kana be typed whatever keyboard
// layout or input method the desktop has set.
struct KanaKey {
    int keycode;
    char16_t kana;
    char16_t shifted = u'\0'; // what Shift types, where it is not `kana`
};

// Every key of the layout, row by row from the number row down, each row
// from the left: for the keyboard picture.
std::span<const KanaKey> KanaLayout();

// A keyboard without the two keys only Japanese keyboards have (ろ beside the
// right Shift, ー beside Backspace), such as a US one, types those kana on
// the key left of 1: the one key it has that the layout leaves without kana
// (a Japanese keyboard's half/full-width key, typing no kana there either).
// ー, in most readings, is the key alone; ろ is Shift with it.
struct SpareKey {
    char16_t kana;
    int keycode;
    bool shift;
    std::u16string_view name; // the key as the options window and the manual name it
};

std::span<const SpareKey> SpareKeys();

// The kana, mark or punctuation a key types, by the layout or a spare key;
// none for a key that types no kana. Shift on a key with no second kana
// types its kana as without.
std::optional<char16_t> KanaOfKey(int keycode, bool shift);

struct KeyPress {
    int keycode;
    bool shift;
    bool operator==(const KeyPress&) const = default;
};

// The layout's key that types a kana, for the key legends; none for a kana
// no key types.
std::optional<KeyPress> KeyOfKana(char16_t kana);

} // namespace kibbo
