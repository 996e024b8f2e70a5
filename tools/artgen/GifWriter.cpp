// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include <gif_lib.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace artgen {

namespace {

struct ColourCount {
    QRgb rgb;
    std::uint32_t count;
};

int Channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// Median cut over the distinct colours, weighted by how often they occur, so
// that large areas (sky, coat) keep their exact colour and rare edge pixels
// share entries.
std::vector<QRgb> MedianCut(std::vector<ColourCount> colours, int maxColours)
{
    if (static_cast<int>(colours.size()) <= maxColours) {
        std::vector<QRgb> exact;
        for (const ColourCount& c : colours)
            exact.push_back(c.rgb);
        return exact;
    }
    struct Box {
        std::size_t begin, end;
        int axis = 0;
        double score = 0; // how much splitting this box is worth; 0 when it cannot be split
    };
    auto measure = [&](Box& b) {
        int best = -1;
        double pixels = 0;
        for (int axis = 0; axis < 3; ++axis) {
            int lo = 255, hi = 0;
            for (std::size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, Channel(colours[i].rgb, axis));
                hi = std::max(hi, Channel(colours[i].rgb, axis));
            }
            if (hi - lo > best) {
                best = hi - lo;
                b.axis = axis;
            }
        }
        for (std::size_t k = b.begin; k < b.end; ++k)
            pixels += colours[k].count;
        // Weighted by pixel count so that busy regions get more entries.
        b.score = (b.end - b.begin < 2 || best <= 0) ? 0 : best * (1.0 + std::sqrt(pixels));
    };
    std::vector<Box> boxes{{0, colours.size()}};
    measure(boxes[0]);
    while (static_cast<int>(boxes.size()) < maxColours) {
        std::size_t pick = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (boxes[i].score > boxes[pick].score)
                pick = i;
        if (boxes[pick].score <= 0)
            break;
        Box b = boxes[pick];
        const int pickAxis = b.axis;
        std::sort(colours.begin() + b.begin, colours.begin() + b.end,
                  [&](const ColourCount& x, const ColourCount& y) {
                      int cx = Channel(x.rgb, pickAxis), cy = Channel(y.rgb, pickAxis);
                      return cx != cy ? cx < cy : x.rgb < y.rgb;
                  });
        std::uint64_t total = 0;
        for (std::size_t k = b.begin; k < b.end; ++k)
            total += colours[k].count;
        std::uint64_t half = 0;
        std::size_t mid = b.begin;
        while (mid < b.end - 1 && half + colours[mid].count <= total / 2)
            half += colours[mid++].count;
        if (mid == b.begin)
            mid = b.begin + 1;
        Box lower{b.begin, mid}, upper{mid, b.end};
        measure(lower);
        measure(upper);
        boxes[pick] = lower;
        boxes.push_back(upper);
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (std::size_t k = b.begin; k < b.end; ++k) {
            double w = colours[k].count;
            r += qRed(colours[k].rgb) * w;
            g += qGreen(colours[k].rgb) * w;
            bl += qBlue(colours[k].rgb) * w;
            n += w;
        }
        palette.push_back(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(bl / n + 0.5)));
    }
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c)
{
    int best = 0;
    int bestDist = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int dr = qRed(palette[i]) - qRed(c), dg = qGreen(palette[i]) - qGreen(c),
            db = qBlue(palette[i]) - qBlue(c);
        int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) {
            bestDist = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

bool WriteGif(const QImage& image, const std::string& path)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();

    bool anyTransparent = false;
    std::unordered_map<QRgb, std::uint32_t> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                anyTransparent = true;
            else
                ++histogram[line[x] | 0xff000000u];
        }
    }
    std::vector<ColourCount> colours;
    for (const auto& [rgb, count] : histogram)
        colours.push_back({rgb, count});
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });

    std::vector<QRgb> palette = MedianCut(colours, anyTransparent ? 255 : 256);
    if (palette.empty())
        palette.push_back(qRgb(0, 0, 0));
    const int transparentIndex = anyTransparent ? static_cast<int>(palette.size()) : -1;
    if (anyTransparent)
        palette.push_back(qRgb(255, 0, 255));

    std::unordered_map<QRgb, GifByteType> lookup;
    for (const ColourCount& c : colours)
        lookup[c.rgb] = static_cast<GifByteType>(Nearest(palette, c.rgb));

    int mapSize = 2;
    while (mapSize < static_cast<int>(palette.size()))
        mapSize *= 2;
    std::vector<GifColorType> entries(mapSize, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        entries[i] = {static_cast<GifByteType>(qRed(palette[i])),
                      static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};

    int error = 0;
    // Opened here rather than by giflib, which would create the file readable
    // by its owner only; the game may run as another user.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(mapSize, entries.data());
    bool ok = map != nullptr;
    EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, w, h, GifBitSize(mapSize), 0, map) == GIF_OK;
    if (ok && anyTransparent) {
        // Disposal "none", no delay, transparent colour flag set.
        GifByteType gce[4] = {0x01, 0, 0, static_cast<GifByteType>(transparentIndex)};
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    std::vector<GifByteType> row(w);
    for (int y = 0; ok && y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qAlpha(line[x]) < 128 ? static_cast<GifByteType>(transparentIndex)
                                           : lookup[line[x] | 0xff000000u];
        ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
    }
    if (map)
        GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok;
}

} // namespace artgen
