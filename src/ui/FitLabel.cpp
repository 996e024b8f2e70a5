// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FitLabel.h"

#include <QPainter>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace kibbo {

namespace {

// What the label shows, without the marks of a rich text.
QString ShownText(const QLabel& label)
{
    return label.textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(label.text()).toPlainText()
                                              : label.text();
}

} // namespace

double FitLabel::condensing() const
{
    const int needed = fontMetrics().horizontalAdvance(ShownText(*this));
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
    if (textFormat() == Qt::RichText) {
        QTextDocument document;
        document.setDefaultFont(font());
        document.setDocumentMargin(0);
        document.setHtml(text());
        painter.translate(0, (height() - document.size().height()) / 2);
        document.drawContents(&painter);
        return;
    }
    painter.drawText(QRectF(0, 0, width() / factor, height()), static_cast<int>(alignment()), text());
}

} // namespace kibbo
