// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures from ani/ and pics/, read by Qt's GIF reader as the window does.
#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // fromRawData: the reader sees libFuzzer's own buffer, so a read past
    // its end lands outside the input rather than in a copy's slack.
    const QImage image = QImage::fromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), "GIF");
    (void)image;
    return 0;
}
