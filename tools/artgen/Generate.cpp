// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generate.h"

#include "DataFiles.h"
#include "DogLook.h"
#include "DogPainter.h"
#include "FileOut.h"
#include "GifWriter.h"
#include "MidiWriter.h"
#include "Music.h"
#include "Scenes.h"
#include "Sounds.h"
#include "WavWriter.h"
#include "game/Assets.h"
#include "platform/PlayerFiles.h"
#include "platform/ProgramPath.h"
#include "typing/DogTable.h"

#include <QFont>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <set>
#include <utility>

namespace artgen {

namespace fs = std::filesystem;

namespace {

bool Report(bool ok, const fs::path& path)
{
    if (!ok)
        std::fprintf(stderr, "kibbo-artgen: could not write %s\n", path.string().c_str());
    return ok;
}

// The window's pictures by their path in the program folder; the play
// screen for the how-to-play window is captured from the built window.
std::vector<std::pair<std::string_view, QImage>> AniPictures()
{
    using namespace kibbo;
    return {
        {kTitleWall, TitleWall()},
        {kPlayWall, PlayWall()},
        {kGameOverWall, GameOverWall()},
        {kClearedWall, GameClearWall()},
        {kStreetAfternoon, StreetStrip(TimeOfDay::Afternoon)},
        {kStreetDusk, StreetStrip(TimeOfDay::Dusk)},
        {kStreetNight, StreetStrip(TimeOfDay::Night)},
        {kWalkerFrames[0], Walker(0)},
        {kWalkerFrames[1], Walker(1)},
        {kWalkerFrames[2], Walker(2)},
        {kStartButton.released, Button(ButtonMark::Start, false)},
        {kStartButton.pressed, Button(ButtonMark::Start, true)},
        {kTopButton.released, Button(ButtonMark::Home, false)},
        {kTopButton.pressed, Button(ButtonMark::Home, true)},
        {kRestartButton.released, Button(ButtonMark::Retry, false)},
        {kRestartButton.pressed, Button(ButtonMark::Retry, true)},
        {kFinishButton.released, Button(ButtonMark::Quit, false)},
        {kFinishButton.pressed, Button(ButtonMark::Quit, true)},
        {kIcon, ProgramIcon()},
    };
}

std::string DistPath(const std::string& distDir, std::string_view relative)
{
    return kibbo::JoinProgramPath(distDir, relative);
}

} // namespace

std::vector<std::string> PortraitNames()
{
    std::vector<std::string> names;
    std::set<std::string_view> seen;
    for (const kibbo::DogEntry& e : kibbo::dogTable)
        if (seen.insert(e.dogPic).second)
            names.emplace_back(e.dogPic);
    return names;
}

bool GenerateAll(const std::string& distDir)
{
    const fs::path dist(distDir);
    std::error_code ec;
    for (const auto& [name, image] : AniPictures())
        fs::create_directories(fs::path(DistPath(distDir, name)).parent_path(), ec);
    for (std::string_view sub : {kibbo::kDogPictureFolder, kibbo::kSoundFolder, kibbo::kDataFolder})
        fs::create_directories(dist / sub, ec);
    bool ok = true;

    for (const auto& [name, image] : AniPictures()) {
        const std::string path = DistPath(distDir, name);
        ok = Report(WriteGif(image, path), path) && ok;
    }

    for (const std::string& name : PortraitNames()) {
        const QImage dog = PaintDog(LookForPicture(name), PoseForPicture(name), name);
        const std::string path = DistPath(distDir, kibbo::DogPicture(name));
        ok = Report(WriteGif(dog, path), path) && ok;
    }

    using kibbo::Effect;
    using kibbo::Tune;
    const std::pair<std::string_view, std::string> sounds[] = {
        {FileOf(Effect::Bark), WavBytes(BarkSamples(), kSoundRate)},
        {FileOf(Effect::Click), WavBytes(ClickSamples(), kSoundRate)},
        {FileOf(Tune::Opening), MidiBytes(AfternoonWalk())},
        {FileOf(Tune::Dusk), MidiBytes(Dusk())},
        {FileOf(Tune::Night), MidiBytes(NightHurry())},
        {FileOf(Tune::GameOver), MidiBytes(GameOverTheme())},
        {FileOf(Tune::Fanfare), MidiBytes(Fanfare())},
    };
    const std::string soundFolder = DistPath(distDir, kibbo::kSoundFolder);
    for (const auto& [name, bytes] : sounds) {
        const std::string path = DistPath(soundFolder, name);
        ok = Report(WriteBytes(path, bytes), path) && ok;
    }

    ok = Report(WriteFirstDataFiles(distDir), dist / kibbo::kDataFolder) && ok;
    return ok;
}

bool WriteContactSheet(const std::string& distDir, const std::string& pngPath)
{
    const std::vector<std::string> names = PortraitNames();
    const int zoom = 2, columns = 12;
    const int cellW = 65 * zoom + 12, cellH = 41 * zoom + 34;
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    const int aniTop = rows * cellH + 20;
    QImage sheet(columns * cellW + 20, aniTop + 1100, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 246));
    QPainter g(&sheet);
    g.setRenderHint(QPainter::TextAntialiasing);
    QFont label("IPAGothic");
    label.setPixelSize(11);
    g.setFont(label);

    for (std::size_t i = 0; i < names.size(); ++i) {
        const int x = 10 + static_cast<int>(i % columns) * cellW, y = 10 + static_cast<int>(i / columns) * cellH;
        const QImage pic(QString::fromStdString(DistPath(distDir, kibbo::DogPicture(names[i]))));
        g.drawImage(QRect(x, y, 65 * zoom, 41 * zoom), pic);
        QString breed;
        for (const kibbo::DogEntry& e : kibbo::dogTable)
            if (e.dogPic == names[i]) {
                breed = QString::fromUtf16(e.dogName.data(), static_cast<qsizetype>(e.dogName.size()));
                break;
            }
        g.setPen(Qt::black);
        g.drawText(QRect(x, y + 41 * zoom + 1, cellW - 4, 14), Qt::AlignLeft, breed);
        g.setPen(QColor(110, 110, 110));
        g.drawText(QRect(x, y + 41 * zoom + 15, cellW - 4, 14), Qt::AlignLeft, QString::fromStdString(names[i]));
    }

    // The window pictures below, at their own size, on a red ground like the window's margin.
    int x = 10, y = aniTop, rowHeight = 0;
    for (const auto& [name, ignored] : AniPictures()) {
        const QImage pic(QString::fromStdString(DistPath(distDir, name)));
        const int w = pic.width() * (pic.width() < 100 ? 2 : 1), h = pic.height() * (pic.width() < 100 ? 2 : 1);
        if (x + w > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 22;
            rowHeight = 0;
        }
        g.fillRect(QRect(x - 2, y - 2, w + 4, h + 4), QColor(255, 0, 0));
        g.drawImage(QRect(x, y, w, h), pic);
        g.setPen(Qt::black);
        g.drawText(QRect(x, y + h + 3, w + 60, 16), Qt::AlignLeft,
                   QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        x += w + 16;
        rowHeight = std::max(rowHeight, h);
    }
    g.end();
    return sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), y + rowHeight + 30)).save(pngPath.c_str());
}

} // namespace artgen
