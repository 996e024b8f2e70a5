// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace kibbo {

struct DogEntry {
    std::u16string_view dogName; // as shown, katakana with ASCII or ideographic spaces
    std::u16string_view dogYomi; // the reading the guide is built from
    std::string_view dogPic;     // file name under pics/
};

inline constexpr int kDogCount = 323;

extern const std::array<DogEntry, kDogCount> dogTable;

} // namespace kibbo
