// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form2.h"

#include "game/Assets.h"
#include "platform/ProgramPath.h"
#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/LineWidget.h"

#include <QFontMetrics>
#include <QPixmap>

#include <cstdio>
#include <iterator>
#include <string_view>
#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 7980;
constexpr int kClientHeight = 5580;

enum class Kind { Button, Label, RedBox, Picture, Line };

// One control of the window. A line gives its two end points in place of
// the rectangle: (left, top) to (width, height). A picture names its file.
struct ControlSpec {
    Kind kind;
    const char* name;
    int left, top, width, height;
    const char16_t* caption;
    double points;
    bool centred;
    bool wraps;
    std::string_view picture;
};

// In stacking order from the top.
constexpr ControlSpec kDesign[] = {
    {Kind::Button, "Command1", 6960, 5040, 735, 375, u"OK", 9, true, false, {}},
    {Kind::Label, "Label15", 7080, 4080, 855, 255, u"ゲーム終了", 9, false, false, {}},
    {Kind::Label, "Label14", 7080, 3360, 735, 255, u"再挑戦", 9, false, false, {}},
    {Kind::Label, "Label13", 7080, 2640, 855, 255, u"最初へ戻る", 9, false, false, {}},
    {Kind::Label, "Label12", 7080, 1920, 855, 255, u"ゲーム開始", 9, false, false, {}},
    {Kind::Picture, "Image5", 6360, 3840, 720, 705, nullptr, 0, false, false, kFinishButton.released},
    {Kind::Picture, "Image4", 6360, 3120, 720, 705, nullptr, 0, false, false, kRestartButton.released},
    {Kind::Picture, "Image3", 6360, 2400, 720, 705, nullptr, 0, false, false, kTopButton.released},
    {Kind::Picture, "Image2", 6360, 1680, 720, 705, nullptr, 0, false, false, kStartButton.released},
    {Kind::RedBox, "Label11", 6360, 1320, 1455, 255, u"ボタン説明", 12, true, false, {}},
    {Kind::Line, "Line6", 4560, 4560, 4680, 4800, nullptr, 0, false, false, {}},
    {Kind::Line, "Line5", 2760, 4800, 2880, 5040, nullptr, 0, false, false, {}},
    {Kind::RedBox, "Label10", 2520, 4560, 495, 255, u"犬", 9, true, false, {}},
    {Kind::RedBox, "Label9", 4200, 4320, 495, 255, u"家", 9, true, false, {}},
    {Kind::Line, "Line4", 3840, 3480, 3600, 3240, nullptr, 0, false, false, {}},
    {Kind::RedBox, "Label8", 2520, 3480, 1935, 735,
     u"今出遭っている犬といっしょにいられる制限時間。0になると、犬が家から遠くに少し戻される", 9,
     false, true, {}},
    {Kind::RedBox, "Label7", 600, 3480, 1575, 375, u"現在の時間。門限になったらゲームオーバー", 9,
     false, true, {}},
    {Kind::Line, "Line3", 1560, 4080, 1440, 3720, nullptr, 0, false, false, {}},
    {Kind::Line, "Line2", 5280, 3960, 5280, 3840, nullptr, 0, false, false, {}},
    {Kind::RedBox, "Label6", 4680, 3600, 975, 255, u"門限の時間", 9, false, false, {}},
    {Kind::Line, "Line1", 2040, 2760, 1800, 2520, nullptr, 0, false, false, {}},
    {Kind::RedBox, "Label5", 1320, 2160, 975, 375, u"タイピングする文字", 9, false, true, {}},
    {Kind::Label, "Label4", 960, 720, 3615, 255, u"犬と出遭ったら、タイピング！！", 9, false, false, {}},
    {Kind::Label, "Label3", 960, 960, 3615, 255, u"半角英数入力でタイピングしてください", 9, false, false,
     {}},
    {Kind::Label, "Label2", 960, 480, 3615, 255, u"色々な犬と出会いながら、門限までに家に帰ります",
     9, false, false, {}},
    {Kind::Label, "Label1", 360, 120, 1335, 375, u"操作方法", 15.75, false, false, {}},
    {Kind::Picture, "Image1", 240, 1200, 6000, 4185, nullptr, 0, false, false, kHowToPlayScreen},
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
    , m_programFolder(std::move(programFolder))
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
        case Kind::Button: {
            m_command1 = new QPushButton(ToQString(design.caption), this);
            connect(m_command1, &QPushButton::clicked, this, &QWidget::close);
            widget = m_command1;
            break;
        }
        case Kind::Label:
        case Kind::RedBox: {
            // A one-line text wider than its label is condensed; a wrapping
            // one is condensed until its lines fit the label's height.
            QLabel* label = design.wraps ? new QLabel(ToQString(design.caption), this)
                                         : new FitLabel(ToQString(design.caption), this);
            label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
            label->setWordWrap(design.wraps);
            QPalette colours = label->palette();
            if (design.kind == Kind::RedBox) {
                colours.setColor(QPalette::Window, DesignColour(kMessageRedColour));
                colours.setColor(QPalette::WindowText, Qt::white);
                label->setAutoFillBackground(true);
            } else {
                colours.setColor(QPalette::WindowText, Qt::black);
            }
            label->setPalette(colours);
            widget = label;
            break;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(this);
            const std::string path = JoinProgramPath(m_programFolder, design.picture);
            QPixmap pixmap;
            if (pixmap.load(QString::fromStdString(path)))
                picture->setPixmap(pixmap);
            else
                std::fprintf(stderr, "kibbo: cannot load picture %s\n", path.c_str());
            widget = picture;
            if (std::string_view(design.name) == "Image1")
                m_image1 = picture;
            break;
        }
        case Kind::Line:
            widget = new LineWidget(this, {Pixels(design.left), Pixels(design.top)},
                                    {Pixels(design.width), Pixels(design.height)});
            break;
        }
        widget->setObjectName(QString::fromLatin1(design.name));
        if (design.kind != Kind::Line) {
            widget->setGeometry(Pixels(design.left), Pixels(design.top), Pixels(design.width),
                                Pixels(design.height));
            if (design.points > 0)
                widget->setFont(ControlFont("MS UI Gothic", design.points, false));
            if (design.wraps)
                CondenseToFit(*static_cast<QLabel*>(widget));
        }
        // Pictures take the size of the picture they hold.
        if (auto* picture = qobject_cast<QLabel*>(widget); picture && !picture->pixmap().isNull())
            picture->resize(picture->pixmap().deviceIndependentSize().toSize());
    }
}

} // namespace kibbo
