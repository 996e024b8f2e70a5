// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace artgen {

inline constexpr int kSoundRate = 22050;

// A short cheerful "wuf": a voiced bark with a falling pitch, about 0.2 s.
std::vector<double> BarkSamples();

// The soft click of a picture button, about 0.06 s.
std::vector<double> ClickSamples();

} // namespace artgen
