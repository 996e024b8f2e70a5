// SPDX-License-Identifier: GPL-3.0-or-later
#include "Music.h"

#include "Notation.h"

#include <string>

namespace artgen {

namespace {

constexpr int Q = kTicksPerQuarter; // one beat
constexpr int E = Q / 2;            // an eighth

// General MIDI percussion keys.
enum Drum {
    Kick = 36, SideStick = 37, Snare = 38, ClosedHat = 42, OpenHat = 46,
    Crash = 49, Ride = 51, Tambourine = 54, Shaker = 70, LowTom = 45, Triangle = 81,
};

// A bouncing bass: root on the strong beats, the fifth or the third between,
// the root again when the chord changes.
void WalkingBass(MidiPart& part, const std::vector<Chord>& beats, int start, int lowKey, int velocity)
{
    for (std::size_t b = 0; b < beats.size(); ++b) {
        const int root = Voicing(Chord{beats[b].root, {0}}, lowKey)[0];
        const bool change = b == 0 || beats[b - 1].root != beats[b].root ||
                            beats[b - 1].intervals != beats[b].intervals;
        static constexpr int steps[] = {0, 7, 12, 7};
        const int key = change ? root : root + steps[b % 4];
        AddNote(part, start + static_cast<int>(b) * Q, Q * 8 / 10, key, velocity + (b % 2 == 0 ? 8 : 0));
    }
}

// Short chords on beats 2 and 4, the way a guitar keeps a walk going.
void OffbeatChords(MidiPart& part, const std::vector<Chord>& beats, int start, int lowKey, int velocity)
{
    for (std::size_t b = 0; b < beats.size(); ++b) {
        if (b % 2 == 0)
            continue;
        for (int key : Voicing(beats[b], lowKey))
            AddNote(part, start + static_cast<int>(b) * Q, E, key, velocity);
    }
}

// Rising and falling eighths through each chord.
void Arpeggio(MidiPart& part, const std::vector<Chord>& beats, int start, int lowKey, int velocity, int beatsPerBar)
{
    for (std::size_t b = 0; b < beats.size(); ++b) {
        std::vector<int> v = Voicing(beats[b], lowKey);
        v.push_back(v[0] + 12);
        const int inBar = static_cast<int>(b) % beatsPerBar;
        for (int half = 0; half < 2; ++half) {
            const int step = inBar * 2 + half;
            const int n = static_cast<int>(v.size());
            const int idx = step % (2 * n - 2) < n ? step % (2 * n - 2) : 2 * n - 2 - step % (2 * n - 2);
            AddNote(part, start + static_cast<int>(b) * Q + half * E, E * 3 / 2, v[idx],
                    velocity - (half ? 10 : 0));
        }
    }
}

// Long held chords, one per chord change.
void Pad(MidiPart& part, const std::vector<Chord>& beats, int start, int lowKey, int velocity)
{
    std::size_t b = 0;
    while (b < beats.size()) {
        std::size_t e = b + 1;
        while (e < beats.size() && beats[e].root == beats[b].root && beats[e].intervals == beats[b].intervals)
            ++e;
        for (int key : Voicing(beats[b], lowKey))
            AddNote(part, start + static_cast<int>(b) * Q, static_cast<int>(e - b) * Q - 20, key, velocity);
        b = e;
    }
}

MidiPart Part(const char* name, int channel, int program, int volume, int pan, int reverb = 45)
{
    MidiPart p;
    p.name = name;
    p.channel = channel;
    p.program = program;
    p.volume = volume;
    p.pan = pan;
    p.reverb = reverb;
    return p;
}

int Bar(int bar, int beatsPerBar = 4) { return bar * beatsPerBar * Q; }

} // namespace

// The afternoon walk: F major, a bouncing bass and a flute tune that is
// handed to the clarinet and a glockenspiel on the way. 50 bars at 120 beats
// a minute, so it runs out right when the game starts it again.
MidiSong AfternoonWalk()
{
    MidiSong song;
    song.title = "Afternoon Walk";
    song.tempi = {{0, 120}};
    MidiPart flute = Part("Flute", 0, 73, 100, 70);
    MidiPart clarinet = Part("Clarinet", 1, 71, 90, 50);
    MidiPart glock = Part("Glockenspiel", 2, 9, 70, 90);
    MidiPart guitar = Part("Guitar", 3, 24, 85, 40);
    MidiPart bass = Part("Bass", 4, 32, 105, 64, 20);
    MidiPart drums = Part("Drums", 9, 0, 80, 64, 30);

    const std::string a1 = "c5:2 a4:1 c5 f5:3 e5:1 | d5:2 c5 a4:4 | bb4:2 d5:1 f5 g5:2 f5 | e5:1 d5 c5:2 a4:4 | "
                           "g4:2 bb4:1 d5 f5:2 e5:1 d5 | c5:2 e5 g5 bb5 ";
    const std::string aEndOpen = "| a5:3 g5:1 f5:2 c5 | e5:2 g5 c5:4";
    const std::string aEndClose = "| a5:2 c6 bb5:1 a5 g5:2 | f5:4 r:4";
    const std::string b = "d5:3 c5:1 bb4:2 d5 | c5:2 e5 g5:4 | e5:3 d5:1 c5:2 a4 | d5:2 f5 a5:4 | "
                          "g5:2 f5:1 e5 d5:2 bb4 | c5:1 d5 e5 f5 g5:4 | a5:2 f5 c5 a4 | bb4:2 c5 e5 g5";
    const std::string c = "a5:1 r a5 g5 f5:2 d5 | f5:1 r f5 d5 bb4:4 | c5:1 f5 a5 c6 a5:2 f5 | g5:3 e5:1 c5:4 | "
                          "d5:1 f5 a5 d6 c6:2 a5 | bb5:2 a5:1 g5 f5:2 d5 | g5:2 bb5 d6 bb5 | c6:2 bb5 g5 e5";

    const std::string chordsA = "F | F | Bb | F | Gm7 | C7 | F | C7 |";
    const std::string chordsA2 = "F | F | Bb | F | Gm7 | C7 | F C7 | F |";
    const std::string chordsB = "Bb | C7 | Am7 | Dm | Gm7 | C7 | F | C7 |";
    const std::string chordsC = "Dm | Bb | F | C | Dm | Bb | Gm7 | C7 |";
    const std::string progression = "F | C7 | " + chordsA + chordsA2 + chordsB + chordsA + chordsC + chordsA2;
    const std::vector<Chord> beats = ChordsPerBeat(progression, 4);
    const int bars = static_cast<int>(beats.size()) / 4; // 50
    const int last = Bar(bars - 1);

    // Melody, section by section (each 8 bars, after a 2-bar lead-in).
    Staff fl(flute, E, Bar(2));
    fl.play(a1 + aEndOpen, 92, 0.85);
    fl.play(a1 + aEndClose, 96, 0.85);
    Staff cl(clarinet, E, Bar(18));
    cl.play(b, 88, 0.9);
    // The flute's second verse gets the clarinet an octave below.
    Staff cl2(clarinet, E, Bar(10));
    cl2.play(a1 + aEndClose, 62, 0.8, -12);
    fl.seek(Bar(26));
    fl.play(a1 + aEndOpen, 92, 0.85);
    Staff gl(glock, E, Bar(34));
    gl.play(c, 84, 0.6);
    Staff fl2(flute, E, Bar(34));
    fl2.play(c, 60, 0.7, -12);
    fl.seek(Bar(42));
    fl.play(a1 + aEndClose, 98, 0.85);
    Staff gl2(glock, E, Bar(42));
    gl2.play(a1 + aEndClose, 55, 0.5, 12);

    // Accompaniment all the way to the last bar, which is one final chord.
    const std::vector<Chord> body(beats.begin(), beats.end() - 4);
    WalkingBass(bass, body, 0, 41, 88);
    OffbeatChords(guitar, body, 0, 57, 70);
    for (int key : Voicing(ParseChord("F"), 53))
        AddNote(guitar, last, 2 * Q, key, 85);
    AddNote(bass, last, 2 * Q, 41, 100);
    AddNote(glock, last, 2 * Q, 77, 70);

    for (int bar = 0; bar < bars - 1; ++bar) {
        const int t = Bar(bar);
        const bool full = bar >= 2;
        for (int e = 0; e < 8; ++e)
            AddNote(drums, t + e * E, E / 2, bar >= 34 && bar < 42 ? Shaker : ClosedHat, e % 2 == 0 ? 62 : 44);
        if (full) {
            AddNote(drums, t, E, Kick, 78);
            AddNote(drums, t + 2 * Q, E, Kick, 70);
            AddNote(drums, t + Q, E, SideStick, 66);
            AddNote(drums, t + 3 * Q, E, SideStick, 70);
        }
        if (bar % 8 == 1 && bar > 2)
            AddNote(drums, t + 3 * Q + E, E, Tambourine, 60);
    }
    AddNote(drums, Bar(2), Q, Crash, 70);
    AddNote(drums, last, Q, Kick, 90);
    AddNote(drums, last, Q, Crash, 80);

    song.parts = {flute, clarinet, glock, guitar, bass, drums};
    song.endTick = last + 3 * Q;
    return song;
}

// Dusk at five: D major, slow, strings holding the chords, a piano
// rocking through them and an oboe singing over the top.
MidiSong Dusk()
{
    MidiSong song;
    song.title = "Dusk";
    song.tempi = {{0, 72}};
    MidiPart oboe = Part("Oboe", 0, 68, 96, 70, 60);
    MidiPart horn = Part("Horn", 1, 60, 70, 50, 60);
    MidiPart piano = Part("Piano", 2, 0, 80, 44, 55);
    MidiPart strings = Part("Strings", 3, 48, 78, 84, 70);
    MidiPart bass = Part("Bass", 4, 32, 90, 64, 30);

    const std::string progression = "D | Gmaj7 | "
                                    "D | A | Bm | F#m | G | D | Em7 | A7 | "
                                    "G | A | F#m | Bm | Em7 | A7 | D | D";
    const std::vector<Chord> beats = ChordsPerBeat(progression, 4);
    const int last = Bar(17);

    Staff ob(oboe, E, Bar(2));
    ob.play("f#5:3 e5:1 d5:4 | e5:2 c#5 a4:4 | b4:3 c#5:1 d5:2 f#5 | c#5:6 a4:2 | "
            "b4:2 d5 g5:4 | f#5:3 e5:1 d5:4 | e5:2 g5 b5 a5 | a5:4 g5:2 e5", 84, 0.95);
    Staff hn(horn, E, Bar(10));
    hn.play("d5:3 b4:1 g4:4 | c#5:3 a4:1 e4:4 | a4:2 f#4 c#5 a4 | b4:6 f#4:2 | "
            "g4:2 e4 d4 b3 | c#4:2 e4 a4 g4 | f#4:8 | d4:8", 70, 0.95);
    ob.seek(Bar(10));
    ob.play("d6:3 b5:1 g5:4 | c#6:3 a5:1 e5:4 | a5:2 f#5 c#6 a5 | b5:6 f#5:2 | "
            "g5:2 e5 d5 b4 | c#5:2 e5 a5 g5 | f#5:8 | d5:8", 88, 0.95);

    const std::vector<Chord> body(beats.begin(), beats.end() - 4);
    Arpeggio(piano, body, 0, 62, 64, 4);
    Pad(strings, beats, 0, 57, 58);
    for (std::size_t b = 0; b < body.size(); b += 2)
        AddNote(bass, static_cast<int>(b) * Q, 2 * Q - 30, Voicing(Chord{body[b].root, {0}}, 38)[0], 82);
    AddNote(bass, last, 4 * Q, 38, 85);
    for (int key : Voicing(ParseChord("D"), 62))
        AddNote(piano, last, 4 * Q, key, 60);
    AddNote(piano, last, 4 * Q, 50, 60);

    song.parts = {oboe, horn, piano, strings, bass};
    song.endTick = last + 5 * Q;
    return song;
}

// Night at six: E minor at a run, cellos pushing eighths underneath and a
// xylophone and violins racing the clock. 40 bars at 160.
MidiSong NightHurry()
{
    MidiSong song;
    song.title = "Hurry Home";
    song.tempi = {{0, 160}};
    MidiPart violin = Part("Violins", 0, 48, 96, 74, 40);
    MidiPart xylo = Part("Xylophone", 1, 13, 80, 96, 30);
    MidiPart cello = Part("Cellos", 2, 42, 100, 44, 30);
    MidiPart brass = Part("Brass", 3, 61, 78, 56, 40);
    MidiPart timp = Part("Timpani", 4, 47, 90, 64, 40);
    MidiPart drums = Part("Drums", 9, 0, 82, 64, 25);

    const std::string a = "e5:1 g5 b5 g5 e5 g5 b5:2 | c6:1 b5 a5 g5 e5:2 g5 | a5:1 c6 e6 c6 a5:2 e5 | "
                          "d#5:1 f#5 a5 b5 f#5:2 d#5 | e5:1 g5 b5 e6 d6 b5 g5:2 | c6:1 e6 g6 e6 c6:2 g5 | "
                          "a5:1 c6 b5 a5 f#5:2 d#5 | e5:4 r:2 b4:2";
    const std::string b = "a5:2 a5:1 b5 c6:2 a5 | g5:2 g5:1 a5 b5:2 g5 | a5:1 b5 c6 d6 e6:2 c6 | b5:4 f#5:2 d#5 | "
                          "e5:1 g5 c6 e6 d6:2 c6 | b5:1 d6 g6 d6 b5:2 g5 | a5:1 c6 e6 c6 b5 a5 g5 f#5 | d#5:2 f#5 a5 b5";
    const std::string aChords = "Em | C | Am | B7 | Em | C | Am B7 | Em |";
    const std::string bChords = "Am | Em | Am | B7 | C | G | Am | B7 |";
    const std::string progression = "Em | Em | C | B7 | " + aChords + aChords + bChords + aChords + "Em | C | B7 | Em";
    const std::vector<Chord> beats = ChordsPerBeat(progression, 4);
    const int bars = static_cast<int>(beats.size()) / 4; // 40
    const int last = Bar(bars - 1);

    Staff vn(violin, E, Bar(4));
    vn.play(a, 92, 0.7);
    vn.play(a, 96, 0.7, 12);
    vn.play(b, 96, 0.75);
    vn.play(a, 100, 0.7);
    vn.play("e6:4 b5:4 | c6:4 g5:4 | b5:2 a5 f#5 d#5", 104, 0.8);
    Staff xy(xylo, E, Bar(12));
    xy.play(a, 70, 0.5, 12);
    xy.seek(Bar(28));
    xy.play(a, 64, 0.5, 12);

    // Cellos: driving eighths on the chord's root, jumping to the fifth.
    for (std::size_t bt = 0; bt + 4 < beats.size(); ++bt) {
        const int root = Voicing(Chord{beats[bt].root, {0}}, 40)[0];
        AddNote(cello, static_cast<int>(bt) * Q, E - 30, root, 86);
        AddNote(cello, static_cast<int>(bt) * Q + E, E - 30, bt % 4 == 3 ? root + 7 : root, 70);
    }
    // Brass stabs at every chord change once the tune has started.
    for (std::size_t bt = 16; bt + 4 < beats.size(); bt += 2)
        if (bt % 4 == 0 || beats[bt].root != beats[bt - 2].root)
            for (int key : Voicing(beats[bt], 55))
                AddNote(brass, static_cast<int>(bt) * Q, E, key, 72);
    for (int bar = 0; bar < bars - 1; ++bar) {
        const int t = Bar(bar);
        for (int e = 0; e < 8; ++e)
            AddNote(drums, t + e * E, E / 2, ClosedHat, e % 2 == 0 ? 70 : 50);
        AddNote(drums, t, E, Kick, 88);
        AddNote(drums, t + 2 * Q + E, E, Kick, 74);
        AddNote(drums, t + Q, E, Snare, 76);
        AddNote(drums, t + 3 * Q, E, Snare, 80);
        if (bar % 4 == 3)
            AddNote(timp, t + 3 * Q, Q, 40, 90);
        if (bar % 8 == 3) {
            AddNote(drums, t + 3 * Q + E, E / 2, LowTom, 80);
            AddNote(drums, t + 3 * Q + E + E / 2, E / 2, LowTom, 84);
        }
    }
    AddNote(drums, Bar(4), Q, Crash, 80);
    AddNote(drums, Bar(20), Q, Crash, 80);
    // The last bar: one hit together, then silence.
    AddNote(drums, last, Q, Crash, 100);
    AddNote(drums, last, Q, Kick, 100);
    AddNote(timp, last, Q, 40, 110);
    AddNote(cello, last, Q, 40, 110);
    AddNote(cello, last, Q, 28, 110);
    for (int key : Voicing(ParseChord("Em"), 55))
        AddNote(brass, last, Q, key, 100);
    AddNote(violin, last, Q, 76, 100);
    AddNote(violin, last, Q, 88, 100);

    song.parts = {violin, xylo, cello, brass, timp, drums};
    song.endTick = last + 4 * Q;
    return song;
}

// The curfew has passed: a slow sinking line of voices over a tritone in the
// basses, a timpani beating like a heart, and a last low chord.
MidiSong GameOverTheme()
{
    MidiSong song;
    song.title = "Too Late";
    song.tempi = {{0, 72}};
    MidiPart choir = Part("Choir", 0, 52, 90, 60, 90);
    MidiPart strings = Part("Tremolo", 1, 44, 86, 70, 80);
    MidiPart bass = Part("Contrabass", 2, 43, 100, 50, 60);
    MidiPart timp = Part("Timpani", 3, 47, 100, 64, 70);

    Staff ch(choir, Q);
    ch.play("b4+e5:2 bb4+eb5:2 | a4+d5:2 ab4+c#5:2 | g4+c5:1 f#4+b4:1 f4+bb4:2 | e4+bb4:4", 70, 1.0);
    Staff st(strings, Q);
    st.play("e3+bb3:4 | e3+bb3:4 | eb3+a3:4 | e2+bb2+e3:4", 60, 1.0);
    AddNote(bass, 0, 12 * Q, 28, 96);
    AddNote(bass, 12 * Q, 4 * Q, 28, 110);
    for (int beat = 0; beat < 12; ++beat)
        if (beat % 2 == 0)
            AddNote(timp, beat * Q, Q / 2, 40, 70 + beat * 3);
    AddNote(timp, 12 * Q, 2 * Q, 40, 120);
    AddNote(timp, 12 * Q, 2 * Q, 34, 110);

    song.parts = {choir, strings, bass, timp};
    song.endTick = 17 * Q;
    return song;
}

// Home in time: trumpets in triplets, trombones and a timpani roll into a
// long C major chord.
MidiSong Fanfare()
{
    MidiSong song;
    song.title = "Home in Time";
    song.tempi = {{0, 112}};
    const int T = Q / 3; // a triplet eighth
    MidiPart trumpet = Part("Trumpets", 0, 56, 110, 70, 50);
    MidiPart trombone = Part("Trombones", 1, 57, 100, 50, 50);
    MidiPart brass = Part("Brass", 2, 61, 90, 64, 50);
    MidiPart timp = Part("Timpani", 3, 47, 100, 64, 50);
    MidiPart drums = Part("Cymbals", 9, 0, 90, 64, 50);

    Staff tp(trumpet, T);
    tp.play("g4:1 g4 g4 c5:3 c5:2 e5:1 g5:3 | e5:2 c5:1 e5:2 g5:1 c6:6 | "
            "a5:1 a5 a5 f5:3 b5:1 b5 b5 g5:3 | c6:12", 108, 0.85);
    Staff tb(trombone, T);
    tb.play("r:3 e4+g4:3 e4+g4:3 e4+c5:3 | g4+c5:6 e4+g4:6 | f4+a4:6 g4+b4:6 | e4+g4+c5:12", 96, 0.9);
    Staff br(brass, T);
    br.play("c3:6 g2:6 | c3:6 c3:6 | f2:6 g2:6 | c2+c3:12", 100, 0.9);
    for (int i = 0; i < 3; ++i)
        AddNote(timp, i * 4 * Q, Q, i == 2 ? 41 : 36, 100);
    for (int r = 0; r < 12; ++r) // a roll under the last chord
        AddNote(timp, Bar(3) + r * (Q / 3), Q / 3, 36, 70 + r * 3);
    AddNote(drums, 0, Q, Crash, 90);
    AddNote(drums, Bar(3), Q, Crash, 110);
    AddNote(drums, Bar(3), Q, Triangle, 80);

    song.parts = {trumpet, trombone, brass, timp, drums};
    song.endTick = Bar(4) + Q;
    return song;
}

} // namespace artgen
