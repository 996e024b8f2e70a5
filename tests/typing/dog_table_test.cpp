// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/DogTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using kibbo::dogTable;

namespace {

// A name's reading: spaces removed, katakana shifted to hiragana, the
// long-vowel mark and ヴ kept.
std::u16string ReadingOf(std::u16string_view name)
{
    std::u16string reading;
    for (char16_t c : name) {
        if (c == u' ' || c == u'\u3000')
            continue;
        reading += (c >= u'\u30A1' && c <= u'\u30F3') ? static_cast<char16_t>(c - 0x60) : c;
    }
    return reading;
}

} // namespace

// Every reading but eight follows from the name.
TEST(DogTable, ReadingsFollowNames)
{
    const std::map<int, std::u16string> exceptions = {
        {29, u"くろぱぐ"}, {104, u"えぱにゅーるでゅぽんおーどめる"}, {223, u"かい"}, {314, u"あきた"},
        {315, u"しばいぬ"}, {316, u"とさ"}, {317, u"にほんてりあ"}, {318, u"ほっかいどう"},
    };
    for (int i = 0; i < kibbo::kDogCount; ++i) {
        const auto& dog = dogTable[static_cast<std::size_t>(i)];
        const auto exception = exceptions.find(i);
        if (exception != exceptions.end()) {
            EXPECT_EQ(dog.dogYomi, exception->second) << i;
            EXPECT_NE(dog.dogYomi, ReadingOf(dog.dogName)) << i;
        } else {
            EXPECT_EQ(dog.dogYomi, ReadingOf(dog.dogName)) << i;
        }
    }
}

// Readings are hiragana, the long-vowel mark and ヴ only.
TEST(DogTable, ReadingsHoldOnlyKana)
{
    int withVu = 0;
    for (const auto& dog : dogTable) {
        bool hasVu = false;
        for (char16_t c : dog.dogYomi) {
            EXPECT_TRUE((c >= u'\u3041' && c <= u'\u3093') || c == u'ー' || c == u'ヴ');
            hasVu = hasVu || c == u'ヴ';
        }
        withVu += hasVu;
    }
    EXPECT_EQ(withVu, 12);
}

// The counts the catalogue is known by.
TEST(DogTable, Counts)
{
    std::set<std::u16string_view> names;
    std::set<std::string_view> pictures;
    int asciiSpaced = 0;
    int ideographicSpaced = 0;
    for (const auto& dog : dogTable) {
        names.insert(dog.dogName);
        pictures.insert(dog.dogPic);
        asciiSpaced += dog.dogName.find(u' ') != std::u16string_view::npos;
        ideographicSpaced += dog.dogName.find(u'\u3000') != std::u16string_view::npos;
        EXPECT_TRUE(dog.dogPic.ends_with(".gif")) << dog.dogPic;
        for (char c : dog.dogPic)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.') << dog.dogPic;
    }
    EXPECT_EQ(names.size(), 310u);
    EXPECT_EQ(pictures.size(), 316u);
    EXPECT_EQ(asciiSpaced, 8);
    EXPECT_EQ(ideographicSpaced, 200);
}

// The ends of the table and the repeated entries.
TEST(DogTable, KnownEntries)
{
    EXPECT_EQ(dogTable[0].dogName, u"バセンジー");
    EXPECT_EQ(dogTable[0].dogPic, "basenji.gif");
    EXPECT_EQ(dogTable[322].dogName, u"ニューギニア　シンギング　ドッグ");
    EXPECT_EQ(dogTable[322].dogPic, "newguineasingingdog.gif");
    EXPECT_EQ(dogTable[1].dogYomi, u"びしょんふりーぜ");
    EXPECT_EQ(dogTable[10].dogYomi, u"ことんでちゅれあーる");
    EXPECT_EQ(dogTable[140].dogYomi, u"ヴぇったーふーん");
    EXPECT_EQ(dogTable[120].dogYomi, u"のヴぁすこてぃあだっくとーりんぐれとりばー");
    for (auto [a, b] : {std::pair{3, 43}, {4, 44}, {62, 162}, {94, 194}}) {
        EXPECT_EQ(dogTable[a].dogName, dogTable[b].dogName);
        EXPECT_EQ(dogTable[a].dogYomi, dogTable[b].dogYomi);
        EXPECT_EQ(dogTable[a].dogPic, dogTable[b].dogPic);
    }
    EXPECT_EQ(dogTable[8].dogPic, dogTable[88].dogPic);
    EXPECT_EQ(dogTable[91].dogPic, dogTable[191].dogPic);
    EXPECT_EQ(dogTable[179].dogPic, dogTable[180].dogPic);
}
