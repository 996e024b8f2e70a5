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

std::vector<std::pair<const char*, QImage>> AniPictures()
{
    return {
        {"wall.gif", TitleWall()},
        {"wall2.gif", PlayWall()},
        {"gameover.gif", GameOverWall()},
        {"gameclear.gif", GameClearWall()},
        {"back_kabe.gif", StreetStrip(TimeOfDay::Afternoon)},
        {"back_kabe2.gif", StreetStrip(TimeOfDay::Dusk)},
        {"back_kabe3.gif", StreetStrip(TimeOfDay::Night)},
        {"ani.gif", Walker(0)},
        {"ani2.gif", Walker(1)},
        {"ani3.gif", Walker(2)},
        {"b_kaisi.gif", Button(ButtonMark::Start, false)},
        {"b_kaisi2.gif", Button(ButtonMark::Start, true)},
        {"b_home.gif", Button(ButtonMark::Home, false)},
        {"b_home2.gif", Button(ButtonMark::Home, true)},
        {"b_saityousen.gif", Button(ButtonMark::Retry, false)},
        {"b_saityousen2.gif", Button(ButtonMark::Retry, true)},
        {"b_syuuryou.gif", Button(ButtonMark::Quit, false)},
        {"b_syuuryou2.gif", Button(ButtonMark::Quit, true)},
        {"icon.gif", ProgramIcon()},
    };
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
    for (const char* sub : {"ani", "pics", "sound", "data"})
        fs::create_directories(dist / sub, ec);
    bool ok = true;

    for (const auto& [name, image] : AniPictures())
        ok = Report(WriteGif(image, (dist / "ani" / name).string()), dist / "ani" / name) && ok;

    for (const std::string& name : PortraitNames()) {
        const QImage dog = PaintDog(LookForPicture(name), PoseForPicture(name), name);
        ok = Report(WriteGif(dog, (dist / "pics" / name).string()), dist / "pics" / name) && ok;
    }

    const std::pair<const char*, std::string> sounds[] = {
        {"bark.wav", WavBytes(BarkSamples(), kSoundRate)},
        {"pafo.wav", WavBytes(ClickSamples(), kSoundRate)},
        {"hooch.mid", MidiBytes(AfternoonWalk())},
        {"int40xg.mid", MidiBytes(Dusk())},
        {"int37xg.mid", MidiBytes(NightHurry())},
        {"horror2.mid", MidiBytes(GameOverTheme())},
        {"fanfare.mid", MidiBytes(Fanfare())},
    };
    for (const auto& [name, bytes] : sounds)
        ok = Report(WriteBytes((dist / "sound" / name).string(), bytes), dist / "sound" / name) && ok;

    ok = Report(WriteFirstDataFiles(distDir), dist / "data") && ok;
    return ok;
}

bool WriteContactSheet(const std::string& distDir, const std::string& pngPath)
{
    const fs::path dist(distDir);
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
        const QImage pic((dist / "pics" / names[i]).string().c_str());
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
        const QImage pic((dist / "ani" / name).string().c_str());
        const int w = pic.width() * (pic.width() < 100 ? 2 : 1), h = pic.height() * (pic.width() < 100 ? 2 : 1);
        if (x + w > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 22;
            rowHeight = 0;
        }
        g.fillRect(QRect(x - 2, y - 2, w + 4, h + 4), QColor(255, 0, 0));
        g.drawImage(QRect(x, y, w, h), pic);
        g.setPen(Qt::black);
        g.drawText(QRect(x, y + h + 3, w + 60, 16), Qt::AlignLeft, name);
        x += w + 16;
        rowHeight = std::max(rowHeight, h);
    }
    g.end();
    return sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), y + rowHeight + 30)).save(pngPath.c_str());
}

} // namespace artgen
