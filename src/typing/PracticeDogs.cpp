// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/PracticeDogs.h"

#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/KanaMatcher.h"

#include <algorithm>
#include <string>

namespace kibbo {

double WeakShare(std::u16string_view guide, const std::map<char16_t, double>& weights)
{
    if (guide.empty())
        return 0;
    double sum = 0;
    for (const char16_t key : guide) {
        if (const auto weight = weights.find(key); weight != weights.end())
            sum += weight->second;
    }
    return sum / static_cast<double>(guide.size());
}

std::vector<double> WeakShares(const std::map<char16_t, double>& weights, const KeyPrefs& keyPref, Input input)
{
    std::vector<double> shares;
    shares.reserve(dogTable.size());
    for (const DogEntry& dog : dogTable)
        shares.push_back(WeakShare(input == Input::Kana ? KanaStrokes(dog.dogYomi) : MakeGuide(dog.dogYomi, keyPref), weights));
    return shares;
}

std::optional<std::int16_t> WeakKeyDog(std::span<const double> shares, std::span<const std::int16_t> recent)
{
    std::optional<std::int16_t> best;
    double bestShare = 0;
    for (std::size_t index = 0; index < shares.size(); ++index) {
        const auto dog = static_cast<std::int16_t>(index);
        if (shares[index] > bestShare && std::ranges::find(recent, dog) == recent.end()) {
            best = dog;
            bestShare = shares[index];
        }
    }
    return best;
}

} // namespace kibbo
