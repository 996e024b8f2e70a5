// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

#include <span>

namespace kibbo::test {

// A picture for a window test, in a colour of its own so that a control
// shows which file it holds. The files are PNG data under the game's GIF
// names: the image loader goes by content.
struct TestPicture {
    const char* path;
    QSize size;
    QColor colour;
};

inline void WritePictures(const QDir& folder, std::span<const TestPicture> pictures)
{
    for (const TestPicture& p : pictures) {
        folder.mkpath(QFileInfo(folder.filePath(p.path)).path());
        QImage image(p.size, QImage::Format_RGB32);
        image.fill(p.colour);
        EXPECT_TRUE(image.save(folder.filePath(p.path), "PNG")) << p.path;
    }
}

} // namespace kibbo::test
