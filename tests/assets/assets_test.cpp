// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder as the build leaves it: every file the game opens is
// there and is a good file of its kind.
#include "MidiReader.h"

#include "Generate.h"
#include "game/Assets.h"
#include "platform/ProgramPath.h"
#include "typing/DogTable.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "platform/FileIO.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

namespace {

std::string Dist()
{
    const char* dist = std::getenv("KIBBO_DIST");
    return dist ? dist : KIBBO_DIST_FOLDER;
}

std::uint32_t Little(const std::string& b, std::size_t pos, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[pos + i]);
    return v;
}

// A file of the program folder, by its name in the game's asset list.
std::string DistPath(std::string_view relative)
{
    return kibbo::JoinProgramPath(Dist(), relative);
}

std::string SoundPath(std::string_view file)
{
    return kibbo::JoinProgramPath(DistPath(kibbo::kSoundFolder), file);
}

QImage ReadGif(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    if (reader.format() != "gif")
        return {};
    return reader.read();
}

struct Picture {
    std::string_view path;
    int width, height;
};

// Every picture the windows load by name, at the size its control expects.
using namespace kibbo;
const Picture kWindowPictures[] = {
    {kTitleWall, 600, 400},
    {kPlayWall, 600, 400},
    {kGameOverWall, 600, 400},
    {kClearedWall, 600, 400},
    {kStreetAfternoon, 500, 100},
    {kStreetDusk, 500, 100},
    {kStreetNight, 500, 100},
    {kWalkerFrames[0], 33, 25},
    {kWalkerFrames[1], 33, 25},
    {kWalkerFrames[2], 33, 25},
    {kStartButton.released, 48, 47},
    {kStartButton.pressed, 48, 47},
    {kTopButton.released, 48, 47},
    {kTopButton.pressed, 48, 47},
    {kRestartButton.released, 48, 47},
    {kRestartButton.pressed, 48, 47},
    {kFinishButton.released, 48, 47},
    {kFinishButton.pressed, 48, 47},
    {kHowToPlayScreen, 400, 279},
    {kIcon, 32, 32},
};

} // namespace

// Each window picture is a GIF that Qt reads at the size of its control.
TEST(Assets, WindowPicturesAreGifsOfTheirSize)
{
    ASSERT_FALSE(Dist().empty());
    for (const Picture& p : kWindowPictures) {
        const QImage img = ReadGif(DistPath(p.path));
        ASSERT_FALSE(img.isNull()) << p.path;
        EXPECT_EQ(img.width(), p.width) << p.path;
        EXPECT_EQ(img.height(), p.height) << p.path;
    }
}

// The game may run as another user than the one who built it.
TEST(Assets, EveryFileIsReadableByAll)
{
    for (const char* folder : {"ani", "pics", "sound", "data"}) {
        const QDir dir(QString::fromStdString(Dist() + "/" + folder));
        const QFileInfoList files = dir.entryInfoList(QDir::Files);
        ASSERT_FALSE(files.isEmpty()) << folder;
        for (const QFileInfo& file : files)
            EXPECT_TRUE(file.permissions() & QFileDevice::ReadOther) << file.filePath().toStdString();
    }
}

// The walking dog is cut out: its corners show the street through.
TEST(Assets, WalkerFramesHaveTransparentBackground)
{
    for (std::string_view name : kWalkerFrames) {
        const QImage img = ReadGif(DistPath(name));
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_TRUE(img.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(img.pixel(32, 24)), 0) << name;
        EXPECT_EQ(qAlpha(img.pixel(16, 14)), 255) << name; // the dog's body
    }
}

// The three walking frames differ, or the dog would not seem to walk.
TEST(Assets, WalkerFramesDiffer)
{
    const QImage a = ReadGif(DistPath(kWalkerFrames[0])), b = ReadGif(DistPath(kWalkerFrames[1])),
                 c = ReadGif(DistPath(kWalkerFrames[2]));
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(a, c);
}

// One portrait per picture name of the catalogue, 65 x 41, no two alike.
TEST(Assets, EveryCataloguePortraitExistsAndAllDiffer)
{
    std::set<std::string> names;
    for (const kibbo::DogEntry& e : kibbo::dogTable)
        names.emplace(e.dogPic);
    ASSERT_EQ(names.size(), 316u);
    std::set<QByteArray> seen;
    for (const std::string& name : names) {
        QImage img = ReadGif(DistPath(DogPicture(name)));
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(img.size(), QSize(65, 41)) << name;
        img = img.convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
        EXPECT_TRUE(seen.insert(pixels).second) << name << " looks exactly like another portrait";
    }
}

// The generator's own list of portraits is the catalogue's distinct names.
TEST(Assets, GeneratorDrawsEachCataloguePictureOnce)
{
    const std::vector<std::string> names = artgen::PortraitNames();
    EXPECT_EQ(names.size(), 316u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.front(), "basenji.gif");
    EXPECT_EQ(names.back(), "newguineasingingdog.gif");
}

namespace {

struct Wave {
    int format, channels, rate, bits;
    double seconds;
};

std::optional<Wave> ReadWave(const std::string& b)
{
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 8, "WAVEfmt ") != 0 ||
        Little(b, 4, 4) != b.size() - 8 || b.compare(36, 4, "data") != 0 || Little(b, 40, 4) != b.size() - 44)
        return std::nullopt;
    Wave w{static_cast<int>(Little(b, 20, 2)), static_cast<int>(Little(b, 22, 2)), static_cast<int>(Little(b, 24, 4)),
           static_cast<int>(Little(b, 34, 2)), 0};
    if (Little(b, 28, 4) != static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8))
        return std::nullopt;
    w.seconds = static_cast<double>(Little(b, 40, 4)) / (w.rate * w.channels * w.bits / 8);
    return w;
}

} // namespace

// The two effects are short 16-bit PCM waves.
TEST(Assets, EffectsAreShortPcmWaves)
{
    const std::pair<Effect, double> effects[] = {{Effect::Bark, 0.3}, {Effect::Click, 0.2}};
    static_assert(std::size(effects) == kEffects.size());
    for (const auto& [effect, limit] : effects) {
        const std::string_view name = FileOf(effect);
        const auto wave = ReadWave(kibbo::ReadWholeFile(SoundPath(name)).value_or(""));
        ASSERT_TRUE(wave) << name;
        EXPECT_EQ(wave->format, 1) << name;
        EXPECT_EQ(wave->bits, 16) << name;
        EXPECT_GT(wave->seconds, 0.02) << name;
        EXPECT_LT(wave->seconds, limit) << name;
    }
}

// Each piece is a well-formed MIDI file whose length suits the moment it plays:
// the walk lasts until the game restarts it at 100 s, the hours change after 60 s.
TEST(Assets, MusicIsWellFormedAndOfItsLength)
{
    struct Piece {
        Tune tune;
        double minSeconds, maxSeconds;
    };
    const Piece pieces[] = {
        {Tune::Opening, 95, 105}, {Tune::Dusk, 55, 66}, {Tune::Night, 55, 66},
        {Tune::GameOver, 4, 20},  {Tune::Fanfare, 4, 15},
    };
    static_assert(std::size(pieces) == kTunes.size());
    for (const Piece& p : pieces) {
        const std::string_view name = FileOf(p.tune);
        const auto midi = ReadMidi(kibbo::ReadWholeFile(SoundPath(name)).value_or(""));
        ASSERT_TRUE(midi) << name;
        EXPECT_EQ(midi->format, 1) << name;
        EXPECT_GE(midi->tracks, 2) << name;
        EXPECT_GT(midi->noteCount, 20) << name;
        EXPECT_EQ(midi->unmatchedNotes, 0) << name;
        EXPECT_GE(midi->seconds, p.minSeconds) << name;
        EXPECT_LE(midi->seconds, p.maxSeconds) << name;
    }
}
