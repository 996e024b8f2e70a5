// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/SpellingSlots.h"
#include "typing/Guide.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using kibbo::KeyPrefs;
using kibbo::kSpellingSlots;
using kibbo::MakeGuide;

namespace {

KeyPrefs WithSlot(std::size_t slot, std::size_t value)
{
    KeyPrefs prefs{};
    prefs[slot] = static_cast<std::int16_t>(value);
    return prefs;
}

} // namespace

// The guide shows a slot's kana in the spelling its value picks from the
// key settings' list, for every slot and choice. The base list writes no
// pair for ちぃ and じぃ, so those two kana are typed as two.
TEST(SpellingSlots, EachChoiceIsTheGuideOfItsKana)
{
    const std::set<std::size_t> notInBaseList = {11, 18};
    for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
        const auto& entry = kSpellingSlots[slot];
        const auto choices = entry.choices();
        EXPECT_EQ(choices.size(), slot <= 30 ? 2u : 3u) << slot;
        for (std::size_t value = 0; value < choices.size(); ++value) {
            const std::u16string guide = MakeGuide(entry.kana, WithSlot(slot, value));
            if (notInBaseList.contains(slot))
                EXPECT_EQ(guide, MakeGuide(entry.kana, {})) << slot;
            else
                EXPECT_EQ(guide, choices[value]) << slot << " value " << value;
        }
    }
}

// After a small っ the choice keeps its doubled first letter ("sshi",
// "cchi", "ffyi"), wherever the base list writes the pair doubled.
TEST(SpellingSlots, DoubledChoicesFollowASmallTsu)
{
    std::set<std::size_t> doubledInGuide;
    for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
        const auto& entry = kSpellingSlots[slot];
        const auto choices = entry.choices();
        const std::u16string reading = u"っ" + std::u16string(entry.kana);
        if (MakeGuide(reading, {}) != choices[0][0] + std::u16string(choices[0]))
            continue;
        doubledInGuide.insert(slot);
        EXPECT_TRUE(entry.doubled) << slot;
        for (std::size_t value = 1; value < choices.size(); ++value)
            EXPECT_EQ(MakeGuide(reading, WithSlot(slot, value)), choices[value][0] + std::u16string(choices[value]))
                << slot;
    }
    // っしぇ, っちゃ ... っちょ and っじゃ ... っじょ have no doubled pair in
    // the base list; their slots still carry the pair for the doubled form.
    EXPECT_EQ(doubledInGuide, (std::set<std::size_t>{0, 1, 2, 3, 5, 6, 7, 9, 15, 16}));
}

// A value the list does not offer keeps the base form, as the file may hold
// any 16-bit number.
TEST(SpellingSlots, OtherValuesKeepTheBaseForm)
{
    for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
        const auto& entry = kSpellingSlots[slot];
        const std::u16string base = MakeGuide(entry.kana, {});
        for (std::int16_t value : {std::int16_t{-1}, std::int16_t{3}, std::int16_t{-32768}, std::int16_t{32767}}) {
            KeyPrefs prefs{};
            prefs[slot] = value;
            EXPECT_EQ(MakeGuide(entry.kana, prefs), base) << slot << " value " << value;
        }
        if (entry.choices().size() == 2) {
            EXPECT_EQ(MakeGuide(entry.kana, WithSlot(slot, 2)), base) << slot;
        }
    }
}
