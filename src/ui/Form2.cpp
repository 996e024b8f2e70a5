// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form2.h"

#include "game/Assets.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

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
constexpr DesignControl kDesign[] = {
    {"Command1", Kind::PushButton, 6960, 5040, 735, 375, u"OK", kGothic9},
    {"Label15", Kind::Label, 7080, 4080, 855, 255, u"ゲーム終了", kGothic9, kBlack},
    {"Label14", Kind::Label, 7080, 3360, 735, 255, u"再挑戦", kGothic9, kBlack},
    {"Label13", Kind::Label, 7080, 2640, 855, 255, u"最初へ戻る", kGothic9, kBlack},
    {"Label12", Kind::Label, 7080, 1920, 855, 255, u"ゲーム開始", kGothic9, kBlack},
    {"Image5", Kind::Picture, 6360, 3840, 720, 705, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kFinishButton.released},
    {"Image4", Kind::Picture, 6360, 3120, 720, 705, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kRestartButton.released},
    {"Image3", Kind::Picture, 6360, 2400, 720, 705, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kTopButton.released},
    {"Image2", Kind::Picture, 6360, 1680, 720, 705, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
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
    {"Image1", Kind::Picture, 240, 1200, 6000, 4185, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
     kHowToPlayScreen},
};

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
    const DesignWidgets made = CreateDesignControls(kDesign, *this, &m_pictures);
    m_command1 = made.get<QPushButton>("Command1");
    connect(m_command1, &QPushButton::clicked, this, &QWidget::close);
    m_image1 = made.get<QLabel>("Image1");
}

} // namespace kibbo
