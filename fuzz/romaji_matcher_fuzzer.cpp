// SPDX-License-Identifier: GPL-3.0-or-later
// The any-spelling judge, with any reading of the characters dog readings
// are made of (hiragana, ヴ, ー, 、 and 。) and any keys: whatever was typed,
// the guide it shows can always be typed to the end.
#include "FuzzCheck.h"
#include "typing/RomajiMatcher.h"

#include <cstddef>
#include <cstdint>
#include <string>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks the preferences; then one byte per character of
    // the reading (an offset into the hiragana block, or a mark) up to a zero
    // byte; then the keys.
    if (size < 1)
        return 0;
    kibbo::KeyPrefs prefs{};
    for (std::size_t slot = 0; slot < prefs.size(); ++slot)
        prefs[slot] = static_cast<std::int16_t>((data[0] >> (slot % 8)) & 1 ? 1 + (slot % 2) : 0);
    std::size_t at = 1;
    std::u16string reading;
    while (at < size && data[at] != 0 && reading.size() < 40) {
        const std::uint8_t b = data[at++];
        constexpr char16_t kMarks[] = {u'ー', u'ヴ', u'、', u'。'};
        reading += b < 0xc0 ? static_cast<char16_t>(u'ぁ' + b % 0x56) : kMarks[b % 4];
    }
    ++at;
    kibbo::RomajiMatcher matcher(reading, prefs);
    for (; at < size && !matcher.done(); ++at) {
        const std::u16string before = matcher.guide();
        if (!matcher.type(static_cast<char16_t>(data[at])))
            Require(matcher.guide() == before, "a wrong key leaves the guide as it was");
    }
    // Typing the guide as shown finishes the reading.
    const std::u16string rest = matcher.guide();
    for (char16_t key : rest)
        Require(matcher.type(key) || matcher.done(), "every letter of the guide shown is right");
    Require(matcher.done(), "the guide shown spells the rest of the reading");
    return 0;
}
