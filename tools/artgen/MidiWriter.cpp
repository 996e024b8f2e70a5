// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiWriter.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace artgen {

namespace {

void PutBE(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((v >> (8 * i)) & 0xff);
}

void PutVarLen(std::string& out, std::uint32_t v)
{
    char buf[5];
    int n = 0;
    buf[n++] = static_cast<char>(v & 0x7f);
    while (v >>= 7)
        buf[n++] = static_cast<char>(0x80 | (v & 0x7f));
    while (n > 0)
        out += buf[--n];
}

struct Event {
    int tick;
    int order; // at one tick: controls first, then note-offs, then note-ons
    std::string bytes;
};

std::string Track(std::vector<Event> events, int endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    std::string body;
    int now = 0;
    for (const Event& e : events) {
        PutVarLen(body, static_cast<std::uint32_t>(e.tick - now));
        body += e.bytes;
        now = e.tick;
    }
    PutVarLen(body, static_cast<std::uint32_t>(std::max(0, endTick - now)));
    body += std::string("\xff\x2f\x00", 3);
    std::string chunk = "MTrk";
    PutBE(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string Meta(int type, const std::string& data)
{
    std::string b;
    b += '\xff';
    b += static_cast<char>(type);
    PutVarLen(b, static_cast<std::uint32_t>(data.size()));
    return b + data;
}

std::string Channel(int status, int channel, int a, int b = -1)
{
    std::string s;
    s += static_cast<char>(status | channel);
    s += static_cast<char>(a & 0x7f);
    if (b >= 0)
        s += static_cast<char>(b & 0x7f);
    return s;
}

} // namespace

std::string MidiBytes(const MidiSong& song)
{
    std::string out = "MThd";
    PutBE(out, 6, 4);
    PutBE(out, 1, 2);
    PutBE(out, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
    PutBE(out, kTicksPerQuarter, 2);

    std::vector<Event> conductor;
    conductor.push_back({0, 0, Meta(0x03, song.title)});
    std::string timeSig;
    timeSig += static_cast<char>(song.beatsPerBar);
    timeSig += std::string("\x02\x18\x08", 3);
    conductor.push_back({0, 0, Meta(0x58, timeSig)});
    for (const MidiTempo& t : song.tempi) {
        std::string us;
        PutBE(us, static_cast<std::uint32_t>(60000000 / t.bpm), 3);
        conductor.push_back({t.tick, 0, Meta(0x51, us)});
    }
    out += Track(conductor, song.endTick);

    for (const MidiPart& part : song.parts) {
        std::vector<Event> events;
        events.push_back({0, 0, Meta(0x03, part.name)});
        if (part.channel != 9)
            events.push_back({0, 0, Channel(0xc0, part.channel, part.program)});
        events.push_back({0, 0, Channel(0xb0, part.channel, 7, part.volume)});
        events.push_back({0, 0, Channel(0xb0, part.channel, 10, part.pan)});
        events.push_back({0, 0, Channel(0xb0, part.channel, 91, part.reverb)});
        for (const MidiNote& n : part.notes) {
            if (n.tick >= song.endTick)
                continue;
            const int off = std::min(n.tick + std::max(1, n.length), song.endTick);
            events.push_back({n.tick, 2, Channel(0x90, part.channel, n.key, n.velocity)});
            events.push_back({off, 1, Channel(0x80, part.channel, n.key, 0)});
        }
        out += Track(std::move(events), song.endTick);
    }
    return out;
}

} // namespace artgen
