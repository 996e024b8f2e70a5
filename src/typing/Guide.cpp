// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/Guide.h"

#include "prefs/SpellingSlots.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kibbo {

std::u16string ReplaceText(std::u16string_view text, std::u16string_view search,
                           std::u16string_view replacement)
{
    const std::size_t ls = search.size();
    const std::size_t lr = replacement.size();
    std::u16string w(text);
    if (ls == 0)
        return w;
    // 1-based position of search inside replacement, 0 when absent.
    const std::size_t inRepl = replacement.find(search);
    const std::size_t p = inRepl == std::u16string_view::npos ? 0 : inRepl + 1;

    std::size_t s = 0; // 0-based scan start
    for (;;) {
        const std::size_t f = w.find(search, s);
        if (f == std::u16string::npos)
            return w;
        bool replace = true;
        if (p >= 1) {
            // Does this occurrence lie inside a copy of the replacement?
            const std::size_t from = f + 1 >= p ? f + 1 - p : 0;
            if (w.compare(from, lr, replacement) == 0)
                replace = false;
        }
        if (replace)
            w = w.substr(0, f) + std::u16string(replacement) + w.substr(f + ls);
        s = f + lr;
    }
}

namespace {

// Longer kana sequences come before the sequences and single kana they
// contain, so each sequence is consumed whole before its parts.
constexpr KanaRomaji kBasePairs[] = {
    // Small っ before a contracted or f-syllable.
    {u"っきゃ", u"kkya"}, {u"っきゅ", u"kkyu"}, {u"っきょ", u"kkyo"},
    {u"っぎゃ", u"ggya"}, {u"っぎゅ", u"ggyu"}, {u"っぎょ", u"ggyo"},
    {u"っしゃ", u"ssya"}, {u"っしゅ", u"ssyu"}, {u"っしょ", u"ssyo"},
    {u"っじゃ", u"jjya"}, {u"っじゅ", u"jjyu"}, {u"っじょ", u"jjyo"},
    {u"っふぁ", u"ffa"}, {u"っふぃ", u"ffi"}, {u"っふぇ", u"ffe"}, {u"っふぉ", u"ffo"},
    // Small っ before a single kana.
    {u"っか", u"kka"}, {u"っき", u"kki"}, {u"っく", u"kku"}, {u"っけ", u"kke"}, {u"っこ", u"kko"},
    {u"っが", u"gga"}, {u"っぎ", u"ggi"}, {u"っぐ", u"ggu"}, {u"っげ", u"gge"}, {u"っご", u"ggo"},
    {u"っさ", u"ssa"}, {u"っし", u"ssi"}, {u"っす", u"ssu"}, {u"っせ", u"sse"}, {u"っそ", u"sso"},
    {u"っざ", u"zza"}, {u"っじ", u"jji"}, {u"っず", u"zzu"}, {u"っぜ", u"zze"}, {u"っぞ", u"zzo"},
    {u"った", u"tta"}, {u"っち", u"tti"}, {u"っつ", u"ttu"}, {u"って", u"tte"}, {u"っと", u"tto"},
    {u"っは", u"hha"}, {u"っひ", u"hhi"}, {u"っふ", u"hhu"}, {u"っへ", u"hhe"}, {u"っほ", u"hho"},
    {u"っば", u"bba"}, {u"っび", u"bbi"}, {u"っぶ", u"bbu"}, {u"っべ", u"bbe"}, {u"っぼ", u"bbo"},
    {u"っぱ", u"ppa"}, {u"っぴ", u"ppi"}, {u"っぷ", u"ppu"}, {u"っぺ", u"ppe"}, {u"っぽ", u"ppo"},
    {u"っだ", u"dda"}, {u"っぢ", u"ddi"}, {u"っづ", u"ddu"}, {u"っで", u"dde"}, {u"っど", u"ddo"},
    {u"っま", u"mma"}, {u"っみ", u"mmi"}, {u"っむ", u"mmu"}, {u"っめ", u"mme"}, {u"っも", u"mmo"},
    {u"っや", u"yya"}, {u"っゆ", u"yyu"}, {u"っよ", u"yyo"},
    {u"っら", u"rra"}, {u"っり", u"rri"}, {u"っる", u"rru"}, {u"っれ", u"rre"}, {u"っろ", u"rro"},
    {u"っわ", u"wwa"},
    // Two-kana syllables, then ヴ alone.
    {u"きゃ", u"kya"}, {u"きゅ", u"kyu"}, {u"きょ", u"kyo"},
    {u"ぎゃ", u"gya"}, {u"ぎゅ", u"gyu"}, {u"ぎょ", u"gyo"},
    {u"しゃ", u"sya"}, {u"しゅ", u"syu"}, {u"しぇ", u"sye"}, {u"しょ", u"syo"},
    {u"じゃ", u"ja"}, {u"じゅ", u"ju"}, {u"じぇ", u"je"}, {u"じょ", u"jo"},
    {u"ちゃ", u"tya"}, {u"ちゅ", u"tyu"}, {u"ちぇ", u"tye"}, {u"ちょ", u"tyo"},
    {u"にゃ", u"nya"}, {u"にゅ", u"nyu"}, {u"にょ", u"nyo"},
    {u"ひゃ", u"hya"}, {u"ひゅ", u"hyu"}, {u"ひょ", u"hyo"},
    {u"びゃ", u"bya"}, {u"びゅ", u"byu"}, {u"びょ", u"byo"},
    {u"みゃ", u"mya"}, {u"みゅ", u"myu"}, {u"みょ", u"myo"},
    {u"りゃ", u"rya"}, {u"りゅ", u"ryu"}, {u"りょ", u"ryo"},
    {u"ふぁ", u"fa"}, {u"ふぃ", u"fi"}, {u"ふぇ", u"fe"}, {u"ふぉ", u"fo"},
    {u"でゃ", u"dha"}, {u"でぃ", u"dhi"}, {u"でゅ", u"dhu"}, {u"でぇ", u"dhe"}, {u"でょ", u"dho"},
    {u"てゃ", u"tha"}, {u"てぃ", u"thi"}, {u"てゅ", u"thu"}, {u"てぇ", u"the"}, {u"てょ", u"tho"},
    {u"ヴぁ", u"va"}, {u"ヴぃ", u"vi"}, {u"ヴぇ", u"ve"}, {u"ヴぉ", u"vo"},
    {u"うぇ", u"we"}, {u"うぃ", u"wi"}, {u"ヴ", u"vu"},
    // Single kana.
    {u"あ", u"a"}, {u"い", u"i"}, {u"う", u"u"}, {u"え", u"e"}, {u"お", u"o"},
    {u"か", u"ka"}, {u"き", u"ki"}, {u"く", u"ku"}, {u"け", u"ke"}, {u"こ", u"ko"},
    {u"さ", u"sa"}, {u"し", u"si"}, {u"す", u"su"}, {u"せ", u"se"}, {u"そ", u"so"},
    {u"た", u"ta"}, {u"ち", u"ti"}, {u"つ", u"tu"}, {u"て", u"te"}, {u"と", u"to"},
    {u"な", u"na"}, {u"に", u"ni"}, {u"ぬ", u"nu"}, {u"ね", u"ne"}, {u"の", u"no"},
    {u"は", u"ha"}, {u"ひ", u"hi"}, {u"ふ", u"hu"}, {u"へ", u"he"}, {u"ほ", u"ho"},
    {u"ま", u"ma"}, {u"み", u"mi"}, {u"む", u"mu"}, {u"め", u"me"}, {u"も", u"mo"},
    {u"や", u"ya"}, {u"ゆ", u"yu"}, {u"よ", u"yo"},
    {u"ら", u"ra"}, {u"り", u"ri"}, {u"る", u"ru"}, {u"れ", u"re"}, {u"ろ", u"ro"},
    {u"わ", u"wa"}, {u"を", u"wo"}, {u"ん", u"nn"},
    {u"が", u"ga"}, {u"ぎ", u"gi"}, {u"ぐ", u"gu"}, {u"げ", u"ge"}, {u"ご", u"go"},
    {u"ざ", u"za"}, {u"じ", u"ji"}, {u"ず", u"zu"}, {u"ぜ", u"ze"}, {u"ぞ", u"zo"},
    {u"だ", u"da"}, {u"ぢ", u"di"}, {u"づ", u"du"}, {u"で", u"de"}, {u"ど", u"do"},
    {u"ば", u"ba"}, {u"び", u"bi"}, {u"ぶ", u"bu"}, {u"べ", u"be"}, {u"ぼ", u"bo"},
    {u"ぱ", u"pa"}, {u"ぴ", u"pi"}, {u"ぷ", u"pu"}, {u"ぺ", u"pe"}, {u"ぽ", u"po"},
    // Punctuation and the long-vowel mark.
    {u"。", u"."}, {u"、", u","}, {u"ー", u"-"},
    // Small kana that no earlier pair consumed.
    {u"ぁ", u"la"}, {u"ぃ", u"li"}, {u"ぅ", u"lu"}, {u"ぇ", u"le"}, {u"ぉ", u"lo"},
    {u"ゃ", u"lya"}, {u"ゅ", u"lyu"}, {u"ょ", u"lyo"}, {u"っ", u"ltu"},
};
static_assert(std::size(kBasePairs) == 212);

// Base forms that contain the search text of slot 2 ("tu") or slot 3 ("hu")
// without being つ or ふ: "ltu" is a lone small っ, "thu" is てゅ and "dhu" is
// でゅ. Their own slots rewrite them later, so slots 2 and 3 must leave them
// alone; otherwise でゅ would turn into "dfu".
bool BelongsToOtherKana(std::u16string_view guide, std::size_t pos, std::u16string_view search)
{
    if (pos == 0)
        return false;
    const char16_t before = guide[pos - 1];
    if (search == u"tu")
        return before == u'l';
    if (search == u"hu")
        return before == u't' || before == u'd';
    return false;
}

// ReplaceText, except that occurrences belonging to another kana's
// base form are kept.
std::u16string ApplyPreferencePair(std::u16string_view guide, std::u16string_view search,
                                   std::u16string_view replacement)
{
    if (search != u"tu" && search != u"hu")
        return ReplaceText(guide, search, replacement);

    std::u16string w(guide);
    std::size_t s = 0;
    for (;;) {
        const std::size_t f = w.find(search, s);
        if (f == std::u16string::npos)
            return w;
        if (BelongsToOtherKana(w, f, search)) {
            s = f + search.size();
            continue;
        }
        w.replace(f, search.size(), replacement);
        s = f + replacement.size();
    }
}

// The pairs each value of each slot applies. Where a slot changes the form
// doubled after a small っ, that pair comes first, since it contains the
// single form and must be rewritten whole.
struct PreferencePair {
    std::u16string search;
    std::u16string replacement;
};
using PreferencePairs = std::array<std::array<std::vector<PreferencePair>, 3>, kKeyPrefSlots>;

const PreferencePairs& PreferenceList()
{
    static const PreferencePairs list = [] {
        PreferencePairs pairs;
        for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
            const auto choices = kSpellingSlots[slot].choices();
            const std::u16string_view base = choices[0];
            for (std::size_t value = 1; value < choices.size(); ++value) {
                const std::u16string_view chosen = choices[value];
                if (kSpellingSlots[slot].doubled)
                    pairs[slot][value].push_back({base[0] + std::u16string(base), chosen[0] + std::u16string(chosen)});
                pairs[slot][value].push_back({std::u16string(base), std::u16string(chosen)});
            }
        }
        return pairs;
    }();
    return list;
}

} // namespace

std::span<const KanaRomaji> BaseSpellings()
{
    return kBasePairs;
}

std::u16string MakeGuide(std::u16string_view reading, const KeyPrefs& keyPref)
{
    std::u16string guide(reading);
    for (const auto& [kana, romaji] : kBasePairs)
        guide = ReplaceText(guide, kana, romaji);
    // Only the values 1 and 2 choose another spelling; every other value,
    // and 2 where a slot has two spellings, keeps the base form.
    const PreferencePairs& preferences = PreferenceList();
    for (std::size_t slot = 0; slot < kSpellingSlots.size(); ++slot) {
        const std::int16_t value = keyPref[slot];
        if (value != 1 && value != 2)
            continue;
        for (const PreferencePair& pair : preferences[slot][static_cast<std::size_t>(value)])
            guide = ApplyPreferencePair(guide, pair.search, pair.replacement);
    }
    return guide;
}

} // namespace kibbo
