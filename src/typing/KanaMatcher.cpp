// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/KanaMatcher.h"

#include "typing/KanaKeys.h"

namespace kibbo {

namespace {

// The voiced and half-voiced kana of the readings over the kana each is
// typed from, letter for letter.
constexpr std::u16string_view kVoiced = u"がぎぐげござじずぜぞだぢづでどばびぶべぼヴ";
constexpr std::u16string_view kVoicedFrom = u"かきくけこさしすせそたちつてとはひふへほう";
constexpr std::u16string_view kSemiVoiced = u"ぱぴぷぺぽ";
constexpr std::u16string_view kSemiVoicedFrom = u"はひふへほ";
static_assert(kVoiced.size() == kVoicedFrom.size() && kSemiVoiced.size() == kSemiVoicedFrom.size());

// The keys of one character of a reading: its plain kana, then its mark or '\0'.
struct Strokes {
    char16_t plain;
    char16_t mark;
};

Strokes StrokesOf(char16_t kana)
{
    if (const auto at = kVoiced.find(kana); at != std::u16string_view::npos)
        return {kVoicedFrom[at], kVoicedMark};
    if (const auto at = kSemiVoiced.find(kana); at != std::u16string_view::npos)
        return {kSemiVoicedFrom[at], kSemiVoicedMark};
    return {kana, u'\0'};
}

} // namespace

KanaMatcher::KanaMatcher(std::u16string_view reading)
    : m_guide(reading)
{
}

bool KanaMatcher::type(char16_t kana)
{
    if (done() || kana != expected())
        return false;
    m_awaitingMark = !m_awaitingMark && StrokesOf(m_guide[0]).mark;
    if (!m_awaitingMark)
        m_guide.erase(0, 1);
    return true;
}

char16_t KanaMatcher::expected() const
{
    if (done())
        return u'\0';
    const Strokes strokes = StrokesOf(m_guide[0]);
    return m_awaitingMark ? strokes.mark : strokes.plain;
}

std::u16string KanaStrokes(std::u16string_view reading)
{
    std::u16string strokes;
    for (char16_t kana : reading) {
        const Strokes of = StrokesOf(kana);
        strokes += of.plain;
        if (of.mark)
            strokes += of.mark;
    }
    return strokes;
}

} // namespace kibbo
