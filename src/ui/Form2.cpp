// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form2.h"

#include "game/Assets.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"
#include "ui/FitLabel.h"
#include "ui/LineWidget.h"

#include <QFontMetrics>
#include <QPixmap>

#include <iterator>
#include <string_view>
#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 7980;
constexpr int kClientHeight = 5580;

using Kind = DesignKind;
using Align = DesignAlign;

// The callouts: white text in a red box.
constexpr const char* kRed = kMessageRedColour;

// The controls are known by name; a picture is made with its file.
using ControlSpec = DesignControl<const char*>;

constexpr ControlSpec kDesign[] = {
    {"Command1", Kind::PushButton, 6960, 5040, 735, 375, u"OK", kGothic9},
    {"Label15", Kind::Label, 7080, 4080, 855, 255, u"ゲーム終了", kGothic9, kBlack},
    {"Label14", Kind::Label, 7080, 3360, 735, 255, u"再挑戦", kGothic9, kBlack},
    {"Label13", Kind::Label, 7080, 2640, 855, 255, u"最初へ戻る", kGothic9, kBlack},
    {"Label12", Kind::Label, 7080, 1920, 855, 255, u"ゲーム開始", kGothic9, kBlack},
    {"Image5", Kind::Picture, 6360, 3840, 720, 705, nullptr, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kFinishButton.released},
    {"Image4", Kind::Picture, 6360, 3120, 720, 705, nullptr, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kRestartButton.released},
    {"Image3", Kind::Picture, 6360, 2400, 720, 705, nullptr, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kTopButton.released},
    {"Image2", Kind::Picture, 6360, 1680, 720, 705, nullptr, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kStartButton.released},
    {"Label11", Kind::Label, 6360, 1320, 1455, 255, u"ボタン説明", kGothic12, kWhite, Align::Centre, true, false, kRed},
    {"Line6", Kind::Line, 4560, 4560, 4680, 4800},
    {"Line5", Kind::Line, 2760, 4800, 2880, 5040},
    {"Label10", Kind::Label, 2520, 4560, 495, 255, u"犬", kGothic9, kWhite, Align::Centre, true, false, kRed},
    {"Label9", Kind::Label, 4200, 4320, 495, 255, u"家", kGothic9, kWhite, Align::Centre, true, false, kRed},
    {"Line4", Kind::Line, 3840, 3480, 3600, 3240},
    {"Label8", Kind::Label, 2520, 3480, 1935, 735,
     u"今出遭っている犬といっしょにいられる制限時間。0になると、犬が家から遠くに少し戻される", kGothic9, kWhite,
     Align::Left, true, true, kRed},
    {"Label7", Kind::Label, 600, 3480, 1575, 375, u"現在の時間。門限になったらゲームオーバー", kGothic9, kWhite,
     Align::Left, true, true, kRed},
    {"Line3", Kind::Line, 1560, 4080, 1440, 3720},
    {"Line2", Kind::Line, 5280, 3960, 5280, 3840},
    {"Label6", Kind::Label, 4680, 3600, 975, 255, u"門限の時間", kGothic9, kWhite, Align::Left, true, false, kRed},
    {"Line1", Kind::Line, 2040, 2760, 1800, 2520},
    {"Label5", Kind::Label, 1320, 2160, 975, 375, u"タイピングする文字", kGothic9, kWhite, Align::Left, true, true, kRed},
    {"Label4", Kind::Label, 960, 720, 3615, 255, u"犬と出遭ったら、タイピング！！", kGothic9, kBlack},
    {"Label3", Kind::Label, 960, 960, 3615, 255, u"半角英数入力でタイピングしてください", kGothic9, kBlack},
    {"Label2", Kind::Label, 960, 480, 3615, 255, u"色々な犬と出会いながら、門限までに家に帰ります", kGothic9, kBlack},
    {"Label1", Kind::Label, 360, 120, 1335, 375, u"操作方法", kGothic1575, kBlack},
    // Beyond the classic screen, in the room right of the introduction.
    {"Label16", Kind::Label, 4800, 240, 3060, 855,
     u"F2 キー：音楽の入り切り\nF3 キー：効果音の入り切り\nEsc キー：一時停止（オプションで選んだとき）", kGothic9, kBlack,
     Align::Left, true, true},
    {"Image1", Kind::Picture, 240, 1200, 6000, 4185, nullptr, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kHowToPlayScreen},
};

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

} // namespace

Form2::Form2(std::string programFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_pictures(std::move(programFolder), PictureCache::Missing::SayEachPicture)
{
    SetUpWindow(*this, {.name = "Form2",
                        .title = ToQString(u"操作方法"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .font = std::nullopt,
                        .whiteButtons = true});

    createControls();
}

void Form2::createControls()
{
    // Later siblings are drawn above earlier ones, so the controls are made
    // from the bottom of the stack up.
    for (auto it = std::rbegin(kDesign); it != std::rend(kDesign); ++it) {
        const ControlSpec& design = *it;
        QWidget* widget = nullptr;
        switch (design.kind) {
        case Kind::PushButton: {
            m_command1 = new QPushButton(ToQString(design.caption), this);
            connect(m_command1, &QPushButton::clicked, this, &QWidget::close);
            widget = m_command1;
            break;
        }
        case Kind::Label: {
            // A one-line text wider than its label is condensed; a wrapping
            // one is condensed until its lines fit the label's height.
            QLabel* label = design.wraps ? new QLabel(ToQString(design.caption), this)
                                         : new FitLabel(ToQString(design.caption), this);
            label->setAlignment(AlignmentOf(design.align));
            label->setWordWrap(design.wraps);
            QPalette colours = label->palette();
            if (design.backColour) {
                colours.setColor(QPalette::Window, DesignColour(design.backColour));
                label->setAutoFillBackground(true);
            }
            colours.setColor(QPalette::WindowText, DesignColour(design.colour));
            label->setPalette(colours);
            widget = label;
            break;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(this);
            if (const QPixmap& pixmap = m_pictures.picture(design.picture); !pixmap.isNull())
                picture->setPixmap(pixmap);
            widget = picture;
            if (std::string_view(design.id) == "Image1")
                m_image1 = picture;
            break;
        }
        case Kind::Line:
            widget = new LineWidget(this, {Pixels(design.left), Pixels(design.top)},
                                    {Pixels(design.width), Pixels(design.height)});
            break;
        }
        widget->setObjectName(QString::fromLatin1(design.id));
        if (design.kind != Kind::Line) {
            widget->setGeometry(Pixels(design.left), Pixels(design.top), Pixels(design.width),
                                Pixels(design.height));
            if (design.font.name)
                widget->setFont(ControlFont(design.font.name, design.font.points, design.font.bold));
            if (design.wraps)
                CondenseToFit(*static_cast<QLabel*>(widget));
        }
        // Pictures take the size of the picture they hold.
        if (auto* picture = qobject_cast<QLabel*>(widget); picture && !picture->pixmap().isNull())
            picture->resize(picture->pixmap().deviceIndependentSize().toSize());
    }
}

} // namespace kibbo
