// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FitLabel.h"

#include <QPainter>

namespace kibbo {

double FitLabel::condensing() const
{
    const int needed = fontMetrics().horizontalAdvance(text());
    return needed > width() && needed > 0 ? static_cast<double>(width()) / needed : 1.0;
}

void FitLabel::paintEvent(QPaintEvent* event)
{
    const double factor = condensing();
    if (factor >= 1.0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.scale(factor, 1.0);
    painter.drawText(QRectF(0, 0, width() / factor, height()), static_cast<int>(alignment()), text());
}

} // namespace kibbo
