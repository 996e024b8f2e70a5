// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LineWidget.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kibbo {

LineWidget::LineWidget(QWidget* parent, QPoint from, QPoint to, QColor colour, int penWidth)
    : QWidget(parent)
    , m_colour(colour)
    , m_penWidth(penWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A wide pen spreads to both sides of the line, so the box grows by the
    // pen's width all round.
    const QRect box = QRect(from, to).normalized().adjusted(-penWidth, -penWidth, penWidth, penWidth);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = m_colour.isValid() ? m_colour : palette().color(QPalette::WindowText);
    painter.setPen(QPen(colour, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

} // namespace kibbo
