// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace kibbo {

// A straight line drawn as a control of its own, so that it takes its place
// in the stacking order among labels and pictures: whatever is raised above
// it covers it. It covers just the line's bounding box and lets every mouse
// event through to what lies beneath.
class LineWidget final : public QWidget {
public:
    // from and to are the end points in the parent's pixels; an invalid
    // colour draws in the window-text colour.
    LineWidget(QWidget* parent, QPoint from, QPoint to, QColor colour = {}, int penWidth = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
    int m_penWidth;
};

} // namespace kibbo
