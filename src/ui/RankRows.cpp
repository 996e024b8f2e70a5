// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RankRows.h"

#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"

namespace kibbo {

namespace {

constexpr int kRowPitch = 360;
constexpr int kLineLeft = 720;
constexpr int kLineRight = 5280;

// The labels are tall enough for the 13.5-point score and end before the
// next row's line. The score column is right-aligned to x 2175 and starts
// after the place number, so that a long score never covers it.
constexpr int kLabelHeight = 300;
constexpr int kPlaceLeft = 840, kPlaceWidth = 375;
constexpr int kTokLeft = 1245, kTokWidth = 930;
constexpr int kUnitLeft = 2280, kUnitWidth = 735;
constexpr int kNameLeft = 3240, kNameWidth = 2055;

// Place 1 to 7, each in its own colour.
constexpr const char* kPlaceColours[kRankPlaces] = {
    kMessageRedColour, "&H00004080&", "&H00008080&", "&H00008000&",
    "&H00808000&", "&H00800000&", "&H00800080&",
};

// Names and scores are shown as plain text whatever they hold, so that a
// name like "<b>" is not taken for markup.
template <typename Label = QLabel>
Label* MakeLabel(QWidget* parent, const QString& text, QRect place, Qt::Alignment align)
{
    auto* label = new Label(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

} // namespace

RankRows::RankRows(QWidget* parent, int firstTop)
{
    const QFont placeFont = ControlFont("MS Serif", 12, true);
    const QFont scoreFont = ControlFont("MS Serif", 13.5, true);
    const QFont nameFont = ControlFont("MS UI Gothic", 12, false);
    for (int k = 0; k < kRankPlaces; ++k) {
        Row& row = m_rows[Index(k)];
        const int top = firstTop + kRowPitch * k;
        // The line first, so that the labels lie above it.
        row.line = new LineWidget(parent, {Pixels(kLineLeft), Pixels(top)},
                                  {Pixels(kLineRight), Pixels(top)});
        row.line->setObjectName(QStringLiteral("Line%1").arg(k));

        row.label6 = MakeLabel(parent, QStringLiteral("%1.").arg(k + 1),
                               DesignRect(kPlaceLeft, top, kPlaceWidth, kLabelHeight), Qt::AlignRight);
        row.label6->setObjectName(QStringLiteral("Label6_%1").arg(k));
        row.label6->setFont(placeFont);

        // A score or name too long for its column is condensed, never cut.
        row.tok = MakeLabel<FitLabel>(parent, QString(),
                                      DesignRect(kTokLeft, top, kTokWidth, kLabelHeight), Qt::AlignRight);
        row.tok->setObjectName(QStringLiteral("Tok_%1").arg(k));
        row.tok->setFont(scoreFont);
        QPalette colour = row.tok->palette();
        colour.setColor(QPalette::WindowText, DesignColour(kPlaceColours[k]));
        row.tok->setPalette(colour);

        row.unit = MakeLabel(parent, QStringLiteral("Kibbo"),
                             DesignRect(kUnitLeft, top, kUnitWidth, kLabelHeight), Qt::AlignLeft);
        row.unit->setObjectName(QStringLiteral("Unit_%1").arg(k));

        row.nameScore = MakeLabel<FitLabel>(parent, QString(),
                                            DesignRect(kNameLeft, top, kNameWidth, kLabelHeight),
                                            Qt::AlignLeft);
        row.nameScore->setObjectName(QStringLiteral("NameScore_%1").arg(k));
        row.nameScore->setFont(nameFont);
    }
}

void RankRows::show(const Ranking& ranking)
{
    for (int k = 0; k < kRankPlaces; ++k) {
        tok(k)->setText(ScoreText(ranking.rankScore[Index(k)]));
        nameScore(k)->setText(ToQString(ranking.rankName[Index(k)]));
    }
}

QString ScoreText(std::int32_t score)
{
    return QString::number(score);
}

} // namespace kibbo
