// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kibbo {

// Judges the kana keys typed for one dog. Each character of the reading is
// one key, except a voiced or half-voiced kana, which is the key of its plain
// kana and then its mark (が is か ゛, ヴ is う ゛, ぱ is は ゜); small kana
// are typed with Shift, so they arrive here already as small kana.
class KanaMatcher {
public:
    explicit KanaMatcher(std::u16string_view reading);

    // Whether the kana a key typed (KanaOfKey) is the one expected. A wrong
    // one, a wrong mark or a mark where none is awaited among them, changes
    // nothing; once done, every kana is wrong.
    bool type(char16_t kana);

    // The reading still to type. A kana whose plain key is typed stays in it
    // until its mark comes: the guide only ever shows whole kana.
    const std::u16string& guide() const { return m_guide; }
    bool done() const { return m_guide.empty(); }

    // The kana key expected next: a plain kana, a small one or a mark; '\0'
    // once done.
    char16_t expected() const;

private:
    std::u16string m_guide;
    bool m_awaitingMark = false;
};

// The kana keys a reading is typed with, in order: each kana's plain kana,
// and its mark after a voiced or half-voiced one.
std::u16string KanaStrokes(std::u16string_view reading);

} // namespace kibbo
