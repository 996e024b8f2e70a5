// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignTable.h"

#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/LineWidget.h"
#include "ui/PictureCache.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QSlider>
#include <QString>

#include <iterator>
#include <string_view>

namespace kibbo {

namespace {

// The design's fonts set their kana wider than the installed ones fit in
// the design's boxes; the font is narrowed in steps until the wrapped text
// fits the label's height, down to three quarters of its width. The last
// line's descent may be cut: Japanese glyphs hardly reach into it.
void CondenseToFit(QLabel& label)
{
    QFont font = label.font();
    for (int stretch = 100; stretch >= 75; stretch -= 5) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(QRect(0, 0, label.width(), 10 * label.height()),
                                                  Qt::TextWordWrap, label.text());
        if (needed.height() - metrics.descent() <= label.height())
            break;
    }
    label.setFont(font);
}

QWidget* CreateControl(const DesignControl& design, QWidget& parent, PictureCache* pictures)
{
    const QString caption = ToQString(design.caption);
    switch (design.kind) {
    case DesignKind::PushButton:
        return new QPushButton(caption, &parent);
    case DesignKind::Label: {
        // A one-line text wider than its label is condensed rather than cut;
        // a wrapping one is condensed once its font and size are set.
        QLabel* label = design.wraps ? new QLabel(caption, &parent) : new FitLabel(caption, &parent);
        label->setAlignment(AlignmentOf(design.align));
        label->setWordWrap(design.wraps);
        return label;
    }
    case DesignKind::Picture:
    case DesignKind::PictureBox: {
        auto* picture = new QLabel(&parent);
        if (design.kind == DesignKind::PictureBox) {
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            picture->setAlignment(AlignmentOf(design.align));
        }
        if (pictures && !design.picture.empty()) {
            if (const QPixmap& pixmap = pictures->picture(design.picture); !pixmap.isNull())
                picture->setPixmap(pixmap);
        }
        return picture;
    }
    case DesignKind::Line:
        return new LineWidget(&parent, DesignPoint(design.left, design.top), DesignPoint(design.width, design.height),
                              design.colour ? DesignColour(design.colour) : QColor(), design.lineWidth);
    case DesignKind::CheckBox:
        return new QCheckBox(caption, &parent);
    case DesignKind::ComboBox:
        return new QComboBox(&parent);
    case DesignKind::TextBox:
        return new QLineEdit(caption, &parent);
    case DesignKind::Slider:
        return new QSlider(Qt::Horizontal, &parent);
    case DesignKind::GroupBox:
        return new QGroupBox(caption, &parent);
    }
    return nullptr;
}

} // namespace

bool DesignId::operator==(const DesignId& other) const
{
    if (name || other.name)
        return name && other.name && std::string_view(name) == other.name;
    return value == other.value;
}

QWidget* DesignWidgets::at(DesignId id) const
{
    for (const auto& [made, widget] : m_made) {
        if (made == id)
            return widget;
    }
    return nullptr;
}

DesignWidgets CreateDesignControls(std::span<const DesignControl> table, QWidget& parent, PictureCache* pictures)
{
    DesignWidgets made;
    // Later siblings are drawn above earlier ones.
    for (auto it = std::rbegin(table); it != std::rend(table); ++it) {
        const DesignControl& design = *it;
        QWidget* widget = CreateControl(design, parent, pictures);
        if (design.id.name)
            widget->setObjectName(QString::fromLatin1(design.id.name));
        if (design.kind != DesignKind::Line) {
            QPalette colours = widget->palette();
            if (design.colour)
                colours.setColor(QPalette::WindowText, DesignColour(design.colour));
            if (design.backColour) {
                colours.setColor(QPalette::Window, DesignColour(design.backColour));
                widget->setAutoFillBackground(true);
            }
            if (design.colour || design.backColour)
                widget->setPalette(colours);
            if (design.font.name)
                widget->setFont(ControlFont(design.font.name, design.font.points, design.font.bold));
            widget->setGeometry(DesignRect(design.left, design.top, design.width, design.height));
        }
        if (design.kind == DesignKind::Picture) {
            // A picture takes the size of the picture it holds.
            const QPixmap pixmap = static_cast<QLabel*>(widget)->pixmap();
            if (!pixmap.isNull())
                widget->resize(pixmap.deviceIndependentSize().toSize());
        }
        if (design.wraps)
            CondenseToFit(*static_cast<QLabel*>(widget));
        if (!design.visible)
            widget->hide();
        made.m_made.emplace_back(design.id, widget);
    }
    return made;
}

} // namespace kibbo
