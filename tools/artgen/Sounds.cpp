// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sounds.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace artgen {

namespace {

// Noise from a fixed-seed generator, so that every build writes the same file.
class Noise {
public:
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) / 9007199254740992.0 * 2.0 - 1.0;
    }

private:
    std::uint64_t m_state = 0x9e3779b97f4a7c15ull;
};

} // namespace

std::vector<double> BarkSamples()
{
    const double length = 0.21;
    const int n = static_cast<int>(length * kSoundRate);
    std::vector<double> out(n);
    Noise noise;
    double phase = 0;
    double lowpassed = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        // A quick rise then a fall of the voice, like a small dog's "wuf".
        const double pitch = t < 0.03 ? 420 + 5000 * t : 570 * std::exp(-(t - 0.03) * 3.2);
        phase += 2 * std::numbers::pi * pitch / kSoundRate;
        // A pulse-like voice: a few harmonics, strongest around the mouth's resonance.
        double voice = 0;
        for (int h = 1; h <= 8; ++h) {
            const double f = pitch * h;
            const double formant = std::exp(-std::pow((f - 1300.0) / 700.0, 2)) +
                                   0.5 * std::exp(-std::pow((f - 2600.0) / 600.0, 2));
            voice += (0.25 + formant) / h * std::sin(h * phase);
        }
        lowpassed += 0.35 * (noise.next() - lowpassed);
        const double attack = std::min(1.0, t / 0.008);
        const double decay = std::exp(-std::max(0.0, t - 0.03) * 17.0);
        const double breath = 0.35 * std::exp(-t * 30.0);
        out[i] = 0.55 * attack * decay * (voice * 0.6 + lowpassed * breath);
    }
    // A short fade so the end makes no click.
    for (int i = 0; i < 200 && i < n; ++i)
        out[n - 1 - i] *= i / 200.0;
    return out;
}

std::vector<double> ClickSamples()
{
    const double length = 0.06;
    const int n = static_cast<int>(length * kSoundRate);
    std::vector<double> out(n);
    Noise noise;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        // A soft wooden "pop": a falling tone with a breath of noise at its start.
        const double tone = std::sin(2 * std::numbers::pi * (900.0 * t - 2500.0 * t * t));
        const double env = std::min(1.0, t / 0.002) * std::exp(-t * 70.0);
        out[i] = 0.45 * env * (tone + 0.15 * noise.next() * std::exp(-t * 300.0));
    }
    return out;
}

} // namespace artgen
