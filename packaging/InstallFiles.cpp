// SPDX-License-Identifier: GPL-3.0-or-later
// What an installation adds to the generated program folder.
//   kibbo-install-files <icon.gif> <out folder>
// writes <out>/data/key.ini and <out>/data/score.kib afresh, since the build's
// own data/ may by now hold a developer's scores and settings, and
// <out>/icons/<N>x<N>.png, the program's icon in the sizes desktops look for.
#include "DataFiles.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The icon is pixel art: it is enlarged by whole steps without smoothing.
constexpr int kIconSizes[] = {32, 64, 128};

bool WriteIcons(const QString& gifPath, const fs::path& folder)
{
    const QImage icon(gifPath);
    if (icon.isNull()) {
        std::fprintf(stderr, "kibbo-install-files: cannot read %s\n", qPrintable(gifPath));
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const int size : kIconSizes) {
        const fs::path path = folder / (std::to_string(size) + "x" + std::to_string(size) + ".png");
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scaled.save(QString::fromStdString(path.string()), "PNG")) {
            std::fprintf(stderr, "kibbo-install-files: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

bool WriteDefaultData(const fs::path& out)
{
    // The generator never replaces a data file, so an older default goes first.
    std::error_code ec;
    fs::remove_all(out / "data", ec);
    if (!artgen::WriteFirstDataFiles(out.string())) {
        std::fprintf(stderr, "kibbo-install-files: cannot write %s\n", (out / "data").c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kibbo-install-files <icon.gif> <out folder>\n");
        return 2;
    }
    const fs::path out(argv[2]);
    const bool data = WriteDefaultData(out);
    const bool icons = WriteIcons(QString::fromLocal8Bit(argv[1]), out / "icons");
    return data && icons ? 0 : 1;
}
