// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureCache.h"

#include "platform/ProgramPath.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <utility>

namespace kibbo {

PictureCache::PictureCache(std::string programFolder, Missing missing)
    : m_programFolder(std::move(programFolder))
    , m_missing(missing)
{
}

const QPixmap& PictureCache::picture(std::string_view relativePath)
{
    auto cached = m_pictures.find(relativePath);
    if (cached == m_pictures.end()) {
        const std::string path = JoinProgramPath(m_programFolder, relativePath);
        QPixmap pixmap;
        if (!pixmap.load(QString::fromStdString(path)))
            warnMissing(path);
        // A window drawn larger than the design (the player's size, the
        // desktop's scale) would show every pixel of a picture as a block;
        // it is smoothed to the screen's own pixels once, here.
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        if (ratio != 1.0 && !pixmap.isNull()) {
            pixmap = pixmap.scaled(pixmap.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            pixmap.setDevicePixelRatio(ratio);
        }
        cached = m_pictures.emplace(std::string(relativePath), pixmap).first;
    }
    return cached->second;
}

void PictureCache::warnMissing(const std::string& path)
{
    const QFileInfo file(QString::fromStdString(path));
    if (m_missing == Missing::SayFolderOnce && !file.dir().exists()) {
        const std::string folder = file.dir().path().toStdString();
        if (m_missingFolders.insert(folder).second)
            std::fprintf(stderr, "kibbo: no folder %s; its pictures are not shown\n", folder.c_str());
        return;
    }
    std::fprintf(stderr, "kibbo: cannot load picture %s\n", path.c_str());
}

} // namespace kibbo
