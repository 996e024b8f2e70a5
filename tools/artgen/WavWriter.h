// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// The bytes of a mono 16-bit PCM RIFF/WAVE file. Samples are clipped to
// [-1, 1] before they are scaled.
std::string WavBytes(const std::vector<double>& samples, int sampleRate);

} // namespace artgen
