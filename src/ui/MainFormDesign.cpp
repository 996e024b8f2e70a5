// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainFormDesign.h"

#include "game/Assets.h"
#include "game/PictureButtons.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace kibbo {

namespace {

constexpr const char* kResultColour = "&H00004080&";

using Kind = DesignKind;
using Align = DesignAlign;

// In stacking order from the top, as Control lists them. The controls are
// known by Control; their pictures are put in later.
constexpr DesignControl kDesign[] = {
    {Control::ScoreBtn, Kind::PushButton, 3840, 5280, 1575, 375, u"得点ランキング", kGothic975, nullptr, Align::Centre, true},
    {Control::VersionBtn, Kind::PushButton, 3840, 4800, 1575, 375, u"バージョン情報", kGothic975, nullptr, Align::Centre, true},
    {Control::Howto, Kind::PushButton, 3840, 3840, 1575, 375, u"操作方法", kGothic975, nullptr, Align::Centre, true},
    {Control::KeySettei, Kind::PushButton, 3840, 4320, 1575, 375, u"ユーザーキー設定", kGothic975, nullptr, Align::Centre, true},
    // Left of the title's logo and of the dog's picture, clear of the
    // reading's hidden place.
    {Control::PracticeNote, Kind::Label, 240, 1200, 1320, 255, u"苦手キー練習中", kGothic9, kResultColour, Align::Left, false},
    // Shown only while a game is paused, in the guide's box, empty then.
    {Control::PauseCaption, Kind::Label, 1320, 2040, 6375, 375, u"一時停止中　Esc か Enter で再開します", kGothic12Bold, kBlack,
     Align::Centre, false},
    // Under the guide, in its box.
    {Control::Reading, Kind::Label, 1320, 2310, 6375, 240, u"", kGothic975, kBlack, Align::Centre, false},
    {Control::Label19, Kind::Label, 4560, 1560, 1335, 375, u"", kSerif135Bold, kResultColour, Align::Right, false},
    {Control::Label18, Kind::Label, 6000, 1560, 1335, 255, u"Kibbo", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label1, Kind::Label, 2520, 1560, 1455, 255, u"トータルスコア", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::StartBtn, Kind::Picture, 8040, 240, 720, 705, u"", kNoFont, nullptr, Align::Left, true},
    {Control::TopBtn, Kind::Picture, 8040, 240, 720, 705, u"", kNoFont, nullptr, Align::Left, true},
    {Control::FinishBtn, Kind::Picture, 8040, 1920, 720, 705, u"", kNoFont, nullptr, Align::Left, true},
    {Control::RestartBtn, Kind::Picture, 8040, 1080, 720, 705, u"", kNoFont, nullptr, Align::Left, true},
    {Control::Label17, Kind::Label, 6000, 2640, 1215, 255, u"文字／分", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label16, Kind::Label, 5400, 2640, 495, 375, u"", kSerif135Bold, kResultColour, Align::Right, false},
    {Control::Label15, Kind::Label, 2520, 2640, 1935, 255, u"タイピングスピード", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label14, Kind::Label, 2160, 4080, 375, 375, u"00", kSerif135Bold, nullptr, Align::Right, false},
    {Control::Label13, Kind::Label, 2160, 4080, 135, 375, u":", kSerif135Bold, nullptr, Align::Left, false},
    {Control::Label12, Kind::Label, 1800, 4080, 375, 375, u"00", kSerif135Bold, nullptr, Align::Right, false},
    {Control::Label11, Kind::Label, 960, 4080, 855, 375, u"現時刻", kGothic12, nullptr, Align::Left, false},
    {Control::Label10, Kind::Label, 7560, 4080, 855, 375, u"19:00", kSerif135Bold, nullptr, Align::Left, false},
    {Control::Label9, Kind::Label, 6960, 4080, 615, 375, u"門限", kGothic12, nullptr, Align::Left, false},
    {Control::Label8, Kind::Label, 6000, 1920, 495, 255, u"匹", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label7, Kind::Label, 6000, 2280, 735, 255, u"文字", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label6, Kind::Label, 5400, 2280, 495, 375, u"", kSerif135Bold, kResultColour, Align::Right, false},
    {Control::Label5, Kind::Label, 5400, 1920, 495, 375, u"", kSerif135Bold, kResultColour, Align::Right, false},
    {Control::Label4, Kind::Label, 2520, 2280, 1575, 255, u"ミスタイプ数", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Label2, Kind::Label, 2520, 1920, 1935, 255, u"出会った犬の数", kGothic12Bold, kResultColour, Align::Left, false},
    {Control::Image3, Kind::Picture, 1800, 5520, 495, 375, u"", kNoFont, nullptr, Align::Left, true},
    {Control::Image2, Kind::Picture, 840, 4440, 7500, 1500, u"", kNoFont, nullptr, Align::Left, false},
    {Control::Label3, Kind::Label, 3840, 2760, 735, 255, u"", kGothic825, nullptr, Align::Left, true},
    {Control::LimitTime, Kind::Label, 4320, 2640, 615, 495, u"", kSerif135Bold, nullptr, Align::Right, true},
    {Control::Image1, Kind::Picture, 4080, 960, 975, 615, u"", kNoFont, nullptr, Align::Left, true},
    {Control::TxtTyp2, Kind::Label, 1320, 1920, 6375, 615, u"", kSerif18, kBlack, Align::Centre, true},
    {Control::TxtTyp1, Kind::Label, 480, 840, 6495, 255, u"", kGothic12, nullptr, Align::Centre, false},
    {Control::TxtTyp0, Kind::Label, 1440, 360, 6255, 375, u"", kGothic1575Bold, kBlack, Align::Centre, true},
    {Control::Image6, Kind::Picture, 120, 120, 9000, 6000, u"", kNoFont, nullptr, Align::Left, true},
};

static_assert(std::size(kDesign) == kControlCount);
static_assert(std::ranges::none_of(kDesign, [](const DesignControl& design) { return design.kind == Kind::Line; }),
              "the main window has no lines");

} // namespace

MainFormControlSet CreateMainFormControls(QWidget& client)
{
    const DesignWidgets made = CreateDesignControls(kDesign, client);
    MainFormControlSet controls{};
    for (int c = 0; c < kControlCount; ++c)
        controls[static_cast<std::size_t>(c)] = made.at(static_cast<Control>(c));

    const auto at = [&](Control c) { return controls[static_cast<std::size_t>(c)]; };
    // The push buttons are native child windows in the design and stay above
    // every label and picture.
    for (Control c : {Control::KeySettei, Control::Howto, Control::VersionBtn, Control::ScoreBtn}) {
        at(c)->setStyleSheet(WhiteButtonStyle());
        at(c)->raise();
    }
    // The street strip is stretched over its place.
    made.get<QLabel>(Control::Image2)->setScaledContents(true);
    QWidget::setTabOrder(at(Control::KeySettei), at(Control::Howto));
    QWidget::setTabOrder(at(Control::Howto), at(Control::VersionBtn));
    QWidget::setTabOrder(at(Control::VersionBtn), at(Control::ScoreBtn));
    at(Control::KeySettei)->setFocus();
    return controls;
}

void LoadBuiltInPictures(MainFormControls& window)
{
    for (const PictureButtonSpec& button : kPictureButtons)
        window.loadPicture(button.control, button.pictures.released);
    window.loadPicture(Control::Image2, kStreetAfternoon);
}

void SetControlCaption(QWidget& control, std::u16string_view text)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(ToQString(text));
    else if (auto* button = qobject_cast<QPushButton*>(&control))
        button->setText(ToQString(text));
}

void SetControlPicture(QWidget& control, const QPixmap& picture, bool takeItsSize)
{
    auto* label = qobject_cast<QLabel*>(&control);
    if (!label)
        return;
    if (picture.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(picture);
    if (takeItsSize)
        label->resize(picture.deviceIndependentSize().toSize());
}

} // namespace kibbo
