#include "ui/sound/SdlSound.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>

using kibbo::SdlSound;
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

// The device's thread renders in its own time; the test looks again until
// the condition holds or the time is up.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

class SdlSoundTest : public ::testing::Test {
protected:
    std::string write(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }

    std::string path(const QString& name) const { return dir.filePath(name).toStdString(); }
    std::string missing() const { return path("sound/none.wav"); }
    std::string soundFolder() const { return path("sound"); }

    QTemporaryDir dir;
};

} // namespace

// Before the device is open every operation is silent and harmless.
TEST_F(SdlSoundTest, EverythingIsSafeBeforeStart)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    const std::string bark = write("bark.wav", SilentWave());
    sound.playEffect(bark);
    sound.openMusic(missing());
    sound.playMusic();
    sound.stopMusic();
    sound.closeMusic();
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

// A missing effect or music file is silence, in any order of commands.
TEST_F(SdlSoundTest, MissingFilesAreSilent)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.playEffect(missing());
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound.openMusic(missing());
    sound.playMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.stopMusic();
    sound.closeMusic();
    sound.closeMusic();
    sound.playMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    EXPECT_EQ(sound.musicPeak(), 0);
}

// Stop and close with nothing open, as at the first start of play, do
// nothing; so does play after close.
TEST_F(SdlSoundTest, MusicCommandsInAnyOrder)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    const std::string piece = write("hooch.mid", LongMidi());
    sound.stopMusic();
    sound.closeMusic();
    sound.playMusic();
    sound.openMusic(piece);
    sound.openMusic(piece);
    sound.playMusic();
    EXPECT_TRUE(sound.isMusicPlaying());
    sound.playMusic();
    sound.stopMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.playMusic();
    EXPECT_TRUE(sound.isMusicPlaying());
    sound.closeMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.playMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.stopMusic();
}

// Effects share one channel: a new effect replaces the one still playing.
TEST_F(SdlSoundTest, NewEffectCutsTheOldOne)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    const std::string bark = write("bark.wav", SilentWave());
    const std::string pafo = write("pafo.wav", SilentWave());
    sound.playEffect(bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playEffect(pafo);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playEffect(bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);
}

// The effects and pieces of the sound folder are read while the device
// opens, so playing them later never waits for the disk.
TEST_F(SdlSoundTest, SoundFolderIsReadAhead)
{
    const std::string bark = write("sound/bark.wav", SilentWave());
    const std::string piece = write("sound/hooch.mid", LongMidi());
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(bark)));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(piece)));
    sound.playEffect(bark);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.openMusic(piece);
    sound.playMusic();
    EXPECT_TRUE(sound.isMusicPlaying());
}

// Played music is really rendered into the device's stream; a stop silences
// every note at once.
TEST_F(SdlSoundTest, MusicIsRenderedUntilStopped)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.openMusic(write("hooch.mid", LongMidi()));
    EXPECT_EQ(sound.musicPeak(), 0);
    sound.playMusic();
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_TRUE(Eventually([&] { return sound.musicPeak() > 0; }));
    sound.stopMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    EXPECT_TRUE(Eventually([&] { return sound.musicPeak() == 0; }, 500ms));
}

// A music change cuts off the piece still playing and plays the new one:
// the long piece would go on for twenty seconds, the short one is over in a
// few (the player counts a piece done a little after its last note).
TEST_F(SdlSoundTest, MusicChangeReplacesThePiece)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    sound.openMusic(write("hooch.mid", LongMidi()));
    sound.playMusic();
    ASSERT_TRUE(Eventually([&] { return sound.musicPeak() > 0; }));
    sound.stopMusic();
    sound.closeMusic();
    sound.openMusic(write("fanfare.mid", ShortMidi()));
    sound.playMusic();
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_TRUE(Eventually([&] { return !sound.isMusicPlaying(); }, 8s));
    EXPECT_TRUE(Eventually([&] { return sound.musicPeak() == 0; }, 1s));
}

// A piece opened and played before the font is ready starts once it is.
TEST_F(SdlSoundTest, PieceRequestedBeforeReadyStartsWhenReady)
{
    SdlSound sound(SdlSound::kSoundFont, soundFolder());
    sound.openMusic(write("hooch.mid", LongMidi()));
    sound.playMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.start();
    ASSERT_TRUE(sound.waitUntilReady(kReady));
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_TRUE(Eventually([&] { return sound.musicPeak() > 0; }));
}

// A piece stopped or closed before the font is ready does not start.
TEST_F(SdlSoundTest, PieceStoppedOrClosedBeforeReadyStaysSilent)
{
    const std::string piece = write("hooch.mid", LongMidi());
    {
        SdlSound sound(SdlSound::kSoundFont, soundFolder());
        sound.openMusic(piece);
        sound.playMusic();
        sound.stopMusic();
        sound.start();
        ASSERT_TRUE(sound.waitUntilReady(kReady));
        EXPECT_FALSE(sound.isMusicPlaying());
        // Stopped is not closed: the piece is still there to play.
        sound.playMusic();
        EXPECT_TRUE(sound.isMusicPlaying());
    }
    {
        SdlSound sound(SdlSound::kSoundFont, soundFolder());
        sound.openMusic(piece);
        sound.playMusic();
        sound.closeMusic();
        sound.start();
        ASSERT_TRUE(sound.waitUntilReady(kReady));
        sound.playMusic();
        EXPECT_FALSE(sound.isMusicPlaying());
    }
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
    sound.playEffect(path("nowhere/bark.wav"));
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Without the sound font the music is silent, with one line on stderr, and
// the effects still play.
TEST_F(SdlSoundTest, MissingFontSilencesOnlyTheMusic)
{
    const std::string font = path("none.sf2");
    QDir(dir.path()).mkdir("sound");
    SdlSound sound(font, soundFolder());
    testing::internal::CaptureStderr();
    sound.start();
    const bool ready = sound.waitUntilReady(kReady);
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ready);
    EXPECT_EQ(errors, "kibbo: no sound font at " + font + "; music is silent\n");
    sound.openMusic(write("hooch.mid", LongMidi()));
    sound.playMusic();
    EXPECT_FALSE(sound.isMusicPlaying());
    sound.playEffect(write("bark.wav", SilentWave()));
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.stopMusic();
    sound.closeMusic();
    EXPECT_EQ(sound.musicPeak(), 0);
}

// With no sound device at all the game is silent, says so once on stderr,
// and every operation stays harmless.
TEST_F(SdlSoundTest, NoDeviceIsSilence)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = driver ? driver : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SdlSound sound(SdlSound::kSoundFont, soundFolder());
        testing::internal::CaptureStderr();
        sound.start();
        EXPECT_FALSE(sound.waitUntilReady(kReady));
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(errors.rfind("kibbo: no sound device", 0), 0u) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
        sound.playEffect(write("bark.wav", SilentWave()));
        sound.openMusic(write("hooch.mid", LongMidi()));
        sound.playMusic();
        EXPECT_FALSE(sound.isMusicPlaying());
        sound.stopMusic();
        sound.closeMusic();
    }
    if (driver)
        setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}
