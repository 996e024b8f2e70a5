// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <string>

namespace artgen {

// Writes the picture as a GIF89a file. Colours are reduced to one palette of
// at most 256 entries; pixels less than half opaque become the transparent
// index, announced by a graphics control extension. Returns false when the
// file could not be written.
bool WriteGif(const QImage& image, const std::string& path);

} // namespace artgen
