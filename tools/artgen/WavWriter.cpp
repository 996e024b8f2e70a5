// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

void Put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

} // namespace

std::string WavBytes(const std::vector<double>& samples, int sampleRate)
{
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    Put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    Put16(out, 2);  // block align
    Put16(out, 16); // bits per sample
    out += "data";
    Put32(out, dataSize);
    for (double s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        Put16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

} // namespace artgen
