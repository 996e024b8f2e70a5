#include "platform/sdl/SdlSound.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <string>

using kibbo::SdlSound;

namespace {

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

// One track with four notes of half a second each.
QByteArray ShortMidi()
{
    QByteArray track;
    for (char note : {60, 64, 67, 72}) {
        track.append('\0');
        track.append("\x90", 1).append(note).append('\x64');
        track.append("\x83\x60", 2); // 480 ticks
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

class SdlSoundTest : public ::testing::Test {
protected:
    std::string write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }

    std::string missing() const { return dir.filePath("sound/none.wav").toStdString(); }

    QTemporaryDir dir;
};

} // namespace

// Before the device is open every operation is silent and harmless.
TEST_F(SdlSoundTest, EverythingIsSafeBeforeOpen)
{
    SdlSound sound;
    const std::string bark = write("bark.wav", SilentWave());
    sound.playEffect(bark);
    sound.openMusic(missing());
    sound.playMusic();
    sound.stopMusic();
    sound.closeMusic();
}

// The tests run with SDL's dummy driver, which always has a device.
TEST_F(SdlSoundTest, OpensTheDummyDevice)
{
    SdlSound sound;
    EXPECT_TRUE(sound.open());
    EXPECT_TRUE(sound.open());
}

// A missing effect or music file is silence, in any order of commands.
TEST_F(SdlSoundTest, MissingFilesAreSilent)
{
    SdlSound sound;
    ASSERT_TRUE(sound.open());
    sound.playEffect(missing());
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound.openMusic(missing());
    sound.playMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sound.stopMusic();
    sound.closeMusic();
    sound.closeMusic();
    sound.playMusic();
}

// Stop and close with nothing open, as at the first start of play, do
// nothing; so does play after close.
TEST_F(SdlSoundTest, MusicCommandsInAnyOrder)
{
    SdlSound sound;
    ASSERT_TRUE(sound.open());
    const std::string piece = write("hooch.mid", ShortMidi());
    sound.stopMusic();
    sound.closeMusic();
    sound.playMusic();
    sound.openMusic(piece);
    sound.openMusic(piece);
    sound.playMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    sound.playMusic();
    sound.stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sound.playMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    sound.closeMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sound.playMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sound.stopMusic();
}

// Effects share one channel: a new effect replaces the one still playing.
TEST_F(SdlSoundTest, NewEffectCutsTheOldOne)
{
    SdlSound sound;
    ASSERT_TRUE(sound.open());
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
