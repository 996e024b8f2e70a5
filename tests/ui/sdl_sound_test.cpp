// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound/FluidMusic.h"
#include "ui/sound/SdlSound.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

using kibbo::Effect;
using kibbo::SdlSound;
using kibbo::Tune;
using namespace std::chrono_literals;

namespace {

// Long enough for a slow start of the device on a busy machine.
constexpr auto kReady = 20s;

void Append16(QByteArray& bytes, quint16 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), 2);
}

void Append32(QByteArray& bytes, quint32 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), 4);
}

// Two seconds of silence as 8-bit mono PCM: long enough to be still playing
// when the test looks.
QByteArray SilentWave()
{
    const quint32 rate = 8000;
    const QByteArray samples(static_cast<qsizetype>(2 * rate), '\x80');
    QByteArray bytes("RIFF");
    Append32(bytes, static_cast<quint32>(36 + samples.size()));
    bytes.append("WAVEfmt ");
    Append32(bytes, 16);
    Append16(bytes, 1); // PCM
    Append16(bytes, 1); // mono
    Append32(bytes, rate);
    Append32(bytes, rate);
    Append16(bytes, 1);
    Append16(bytes, 8);
    bytes.append("data");
    Append32(bytes, static_cast<quint32>(samples.size()));
    bytes.append(samples);
    return bytes;
}

// A MIDI delta time as a variable-length number.
void AppendDelta(QByteArray& bytes, quint32 ticks)
{
    QByteArray reversed(1, static_cast<char>(ticks & 0x7f));
    while (ticks >>= 7)
        reversed.prepend(static_cast<char>(0x80 | (ticks & 0x7f)));
    bytes.append(reversed);
}

// One track of piano notes played one after another, each `ticks` long at
// 480 ticks (half a second) a beat.
QByteArray Melody(int notes, quint32 ticks)
{
    QByteArray track;
    for (int i = 0; i < notes; ++i) {
        const char note = static_cast<char>(60 + (i % 12));
        AppendDelta(track, 0);
        track.append("\x90", 1).append(note).append('\x64');
        AppendDelta(track, ticks);
        track.append("\x80", 1).append(note).append('\0');
    }
    track.append("\0\xff\x2f\0", 4);
    QByteArray bytes("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14);
    bytes.append("MTrk");
    const quint32 length = qToBigEndian(static_cast<quint32>(track.size()));
    bytes.append(reinterpret_cast<const char*>(&length), 4);
    bytes.append(track);
    return bytes;
}

// Forty notes: twenty seconds, far longer than any test waits.
QByteArray LongMidi()
{
    return Melody(40, 480);
}

// One note of a quarter second.
QByteArray ShortMidi()
{
    return Melody(1, 240);
}

// The device's thread renders in its own time; the test waits until what a
// listener would notice has happened.
constexpr int kHeard = 20000; // ms, a timeout only

class SdlSoundTest : public ::testing::Test {
protected:
    // A file of the sound folder under the name the game asks for.
    void write(std::string_view name, const QByteArray& bytes)
    {
        QDir().mkpath(dir.filePath("sound"));
        QFile file(dir.filePath("sound/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void write(Effect effect, const QByteArray& bytes) { write(kibbo::FileOf(effect), bytes); }
    void write(Tune tune, const QByteArray& bytes) { write(kibbo::FileOf(tune), bytes); }
    void remove(std::string_view name)
    {
        ASSERT_TRUE(QFile::remove(dir.filePath("sound/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))));
    }

    std::string path(const QString& name) const { return dir.filePath(name).toStdString(); }
    std::string soundFolder() const { return path("sound"); }

    QTemporaryDir dir;
};

} // namespace

// Before the device is open every request is silent and harmless.
TEST_F(SdlSoundTest, EverythingIsSafeBeforeStart)
{
    write(Effect::Bark, SilentWave());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.playEffect(Effect::Bark);
    sound.stopMusic();
    EXPECT_FALSE(sound.waitUntilReady(0ms));
    EXPECT_FALSE(sound.isMusicPlaying());
}

// The tests run with SDL's dummy driver, which always has a device; a second
// start changes nothing.
TEST_F(SdlSoundTest, StartsTheDummyDevice)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    sound.start();
    EXPECT_TRUE(sound.waitUntilReady(kReady));
}

// A missing effect or tune is silence, in any order of requests.
TEST_F(SdlSoundTest, MissingFilesAreSilent)
{
    QDir(dir.path()).mkdir("sound");
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound.playMusic(Tune::Opening);
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.stopMusic();
    sound.stopMusic();
    sound.playMusic(Tune::Fanfare);
    EXPECT_FALSE(sound.isMusicPlaying());
    EXPECT_EQ(sound.musicPeak(), 0);
}

// Stop with nothing playing, as at the first return to the title, does
// nothing; a tune asked for twice plays; a stop silences it until the next.
TEST_F(SdlSoundTest, MusicRequestsInAnyOrder)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.stopMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.playMusic(Tune::Opening);
    sound.playMusic(Tune::Opening);
    EXPECT_TRUE(sound.isMusicPlaying());
    sound.stopMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.stopMusic();
    sound.playMusic(Tune::Opening);
    EXPECT_TRUE(sound.isMusicPlaying());
    sound.stopMusic();
}

// Effects share one channel: a new effect replaces the one still playing.
TEST_F(SdlSoundTest, NewEffectCutsTheOldOne)
{
    write(Effect::Bark, SilentWave());
    write(Effect::Click, SilentWave());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playEffect(Effect::Click);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);
}

// The effects and tunes of the sound folder are read while the device
// opens, so playing them later never waits for the disk.
TEST_F(SdlSoundTest, SoundFolderIsReadAhead)
{
    write(Effect::Bark, SilentWave());
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    remove(kibbo::FileOf(Effect::Bark));
    remove(kibbo::FileOf(Tune::Opening));
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playMusic(Tune::Opening);
    EXPECT_TRUE(sound.isMusicPlaying());
}

// An effect that appears after the device opened is found at its first use.
TEST_F(SdlSoundTest, EffectAddedLaterIsFound)
{
    QDir(dir.path()).mkdir("sound");
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    write(Effect::Bark, SilentWave());
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

// Played music is really rendered into the device's stream; a stop silences
// every note at once.
TEST_F(SdlSoundTest, MusicIsRenderedUntilStopped)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    EXPECT_EQ(sound.musicPeak(), 0);
    sound.playMusic(Tune::Opening);
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() > 0; }, kHeard));
    sound.stopMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() == 0; }, kHeard));
}

// A new tune cuts off the piece still playing and plays from its start: the
// long piece would go on for twenty seconds, the short one ends after a
// quarter of a second (the player counts a piece done a little after its
// last note).
TEST_F(SdlSoundTest, NewTuneReplacesThePiece)
{
    write(Tune::Opening, LongMidi());
    write(Tune::Fanfare, ShortMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playMusic(Tune::Opening);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() > 0; }, kHeard));
    sound.playMusic(Tune::Fanfare);
    EXPECT_TRUE(sound.isMusicPlaying());
    // Half the long piece: only the short one can have ended by then.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.isMusicPlaying(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() == 0; }, kHeard));
}

// A tune asked for before the font is ready starts once it is.
TEST_F(SdlSoundTest, TuneRequestedBeforeReadyStartsWhenReady)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.playMusic(Tune::Opening);
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() > 0; }, kHeard));
}

// A tune stopped before the font is ready does not start.
TEST_F(SdlSoundTest, TuneStoppedBeforeReadyStaysSilent)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.playMusic(Tune::Opening);
    sound.stopMusic();
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    EXPECT_FALSE(sound.isMusicPlaying());
}

// A missing sound folder is one line, and nothing plays.
TEST_F(SdlSoundTest, MissingSoundFolderIsOneLine)
{
    SdlSound sound(SdlSound::kSoundFont, path("nowhere"));
    testing::internal::CaptureStderr();
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("kibbo: no folder " + path("nowhere") + "; the game is silent\n"), std::string::npos) << errors;
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Without the sound font the music is silent, with one line on stderr, and
// the effects still play.
TEST_F(SdlSoundTest, MissingFontSilencesOnlyTheMusic)
{
    const std::string font = path("none.sf2");
    write(Tune::Opening, LongMidi());
    write(Effect::Bark, SilentWave());
    SdlSound sound(font, soundFolder());
    testing::internal::CaptureStderr();
    sound.start();
    const bool ready = sound.waitUntilReady(kReady);
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ready);
    EXPECT_EQ(errors, "kibbo: no sound font at " + font + "; music is silent\n");
    sound.playMusic(Tune::Opening);
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.stopMusic();
    EXPECT_EQ(sound.musicPeak(), 0);
}

// With no sound device at all the game is silent, says so once on stderr,
// and every request stays harmless.
TEST_F(SdlSoundTest, NoDeviceIsSilence)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = driver ? driver : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    write(Effect::Bark, SilentWave());
    write(Tune::Opening, LongMidi());
    {
        SdlSound sound(SdlSound::kSoundFont, soundFolder());
        testing::internal::CaptureStderr();
        sound.start();
        EXPECT_FALSE(sound.waitUntilReady(kReady));
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(errors.rfind("kibbo: no sound device", 0), 0u) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
        sound.playEffect(Effect::Bark);
        sound.playMusic(Tune::Opening);
        EXPECT_FALSE(sound.isMusicPlaying());
        sound.stopMusic();
    }
    if (driver)
        setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

// Music turned off plays on unheard, so that turned on again it goes on
// with the tune of the moment, not from its start.
TEST_F(SdlSoundTest, MutedMusicKeepsItsPlace)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playMusic(Tune::Opening);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() > 0; }, kHeard));
    sound.setLevels({false, true, 100, 100});
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() == 0; }, kHeard));
    const int muted = sound.musicPosition();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPosition() > muted + 480; }, kHeard))
        << "the piece goes on while muted";
    EXPECT_TRUE(sound.isMusicPlaying());
    sound.setLevels({true, true, 100, 100});
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() > 0; }, kHeard));
    EXPECT_GT(sound.musicPosition(), muted + 480);
}

// Paused music stands where it is and goes on from there.
TEST_F(SdlSoundTest, PausedMusicStandsStill)
{
    write(Tune::Opening, LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playMusic(Tune::Opening);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.musicPosition() > 0 && sound.musicPeak() > 0; }, kHeard));
    sound.setMusicPaused(true);
    const int paused = sound.musicPosition();
    // A buffer rendered while paused is silent.
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.musicPeak() == 0; }, kHeard));
    EXPECT_EQ(sound.musicPosition(), paused);
    sound.setMusicPaused(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.musicPosition() > paused; }, kHeard));
}

// Effects off play nothing; their volume is SDL_mixer's level of the effect
// channel, and follows at once.
TEST_F(SdlSoundTest, EffectsOffAndTheirVolume)
{
    write(Effect::Bark, SilentWave());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.setLevels({true, false, 100, 100});
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound.setLevels({true, true, 100, 50});
    sound.playEffect(Effect::Bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME / 2);
    sound.setLevels({true, true, 100, 100});
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME);
}

// The music's volume scales every sample of the same piece: at 50 it is
// half of what it is at 100.
TEST_F(SdlSoundTest, MusicVolumeScalesTheSamples)
{
    const QByteArray piece = LongMidi();
    kibbo::FluidMusic full;
    kibbo::FluidMusic half;
    ASSERT_TRUE(full.load(SdlSound::kSoundFont, 44100));
    ASSERT_TRUE(half.load(SdlSound::kSoundFont, 44100));
    half.setVolume(50);
    constexpr int kFrames = 1024;
    std::int16_t loud[2 * kFrames];
    std::int16_t soft[2 * kFrames];
    for (kibbo::FluidMusic* music : {&full, &half}) {
        music->open(piece.toStdString());
        music->play();
    }
    int loudest = 0;
    for (int buffer = 0; buffer < 40; ++buffer) {
        std::fill(std::begin(loud), std::end(loud), 0);
        std::fill(std::begin(soft), std::end(soft), 0);
        full.render(loud, kFrames);
        half.render(soft, kFrames);
        for (int i = 0; i < 2 * kFrames; ++i)
            ASSERT_EQ(soft[i], loud[i] * 50 / 100) << "buffer " << buffer << " sample " << i;
        loudest = std::max(loudest, full.peak());
    }
    EXPECT_GT(loudest, 1000) << "the piece was heard";
}
