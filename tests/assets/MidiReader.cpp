// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiReader.h"

#include <algorithm>
#include <map>

namespace {

std::uint32_t BigEndian(const std::string& b, std::size_t pos, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[pos + i]);
    return v;
}

} // namespace

std::optional<MidiSummary> ReadMidi(const std::string& b)
{
    if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || BigEndian(b, 4, 4) != 6)
        return std::nullopt;
    MidiSummary s;
    s.format = static_cast<int>(BigEndian(b, 8, 2));
    const int declaredTracks = static_cast<int>(BigEndian(b, 10, 2));
    s.division = static_cast<int>(BigEndian(b, 12, 2));
    if (s.division <= 0 || s.division >= 0x8000)
        return std::nullopt;

    std::map<long, std::uint32_t> tempo{{0, 500000}}; // tick -> microseconds per quarter
    long lastTick = 0;
    std::size_t pos = 14;
    while (pos + 8 <= b.size()) {
        if (b.compare(pos, 4, "MTrk") != 0)
            return std::nullopt;
        const std::size_t end = pos + 8 + BigEndian(b, pos + 4, 4);
        if (end > b.size())
            return std::nullopt;
        pos += 8;
        long tick = 0;
        int status = 0;
        bool ended = false;
        std::map<int, int> sounding; // channel * 128 + key -> count
        while (pos < end && !ended) {
            std::uint32_t delta = 0;
            int guard = 0;
            unsigned char c;
            do {
                c = static_cast<unsigned char>(b[pos++]);
                delta = (delta << 7) | (c & 0x7f);
            } while ((c & 0x80) && ++guard < 4 && pos < end);
            tick += delta;
            unsigned char first = static_cast<unsigned char>(b[pos]);
            if (first == 0xff) {
                const int type = static_cast<unsigned char>(b[pos + 1]);
                pos += 2;
                std::uint32_t len = 0;
                do {
                    c = static_cast<unsigned char>(b[pos++]);
                    len = (len << 7) | (c & 0x7f);
                } while (c & 0x80);
                if (type == 0x51 && len == 3)
                    tempo[tick] = BigEndian(b, pos, 3);
                if (type == 0x2f)
                    ended = true;
                pos += len;
                continue;
            }
            if (first & 0x80) {
                status = first;
                ++pos;
            }
            const int kind = status & 0xf0, channel = status & 0x0f;
            const int dataBytes = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            const int key = static_cast<unsigned char>(b[pos]);
            const int velocity = dataBytes == 2 ? static_cast<unsigned char>(b[pos + 1]) : 0;
            pos += dataBytes;
            if (kind == 0x90 && velocity > 0) {
                ++sounding[channel * 128 + key];
                ++s.noteCount;
            } else if (kind == 0x80 || (kind == 0x90 && velocity == 0)) {
                --sounding[channel * 128 + key];
            }
        }
        if (!ended || pos != end)
            return std::nullopt;
        for (const auto& [note, count] : sounding)
            s.unmatchedNotes += std::max(0, count);
        lastTick = std::max(lastTick, tick);
        ++s.tracks;
    }
    if (s.tracks != declaredTracks || pos != b.size())
        return std::nullopt;

    // Sum the time of each stretch between tempo changes up to the last tick.
    double micro = 0;
    long at = 0;
    std::uint32_t current = 500000;
    for (const auto& [tick, usPerQuarter] : tempo) {
        if (tick >= lastTick)
            break;
        micro += static_cast<double>(tick - at) * current / s.division;
        at = tick;
        current = usPerQuarter;
    }
    micro += static_cast<double>(lastTick - at) * current / s.division;
    s.seconds = micro / 1e6;
    return s;
}
