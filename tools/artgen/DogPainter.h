// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DogLook.h"

#include <QImage>
#include <QPainter>

#include <string_view>

namespace artgen {

inline constexpr int kPortraitWidth = 65;
inline constexpr int kPortraitHeight = 41;

// A portrait of one dog standing in the grass, 65 x 41 pixels. The seed text
// (the picture's name) places spots and patches, so they are the same on
// every run.
QImage PaintDog(const DogLook& look, const DogPose& pose, std::string_view seed);

// Draws just the dog, feet on the ground point, at most unit pixels per dog
// unit (a medium dog's body is about 22 units long) and within maxSize.
void DrawDog(QPainter& painter, const DogLook& look, const DogPose& pose, std::string_view seed, QPointF ground,
             double unit, QSizeF maxSize);

} // namespace artgen
