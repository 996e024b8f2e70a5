// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FrmAbout.h"

#include "game/Assets.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

#include <string>
#include <utility>

#ifndef KIBBO_VERSION
#error "KIBBO_VERSION, the project's version, comes from the build"
#endif

namespace kibbo {

namespace {

constexpr int kClientLeft = 2340;
constexpr int kClientTop = 1935;
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;

using Kind = DesignKind;
using Align = DesignAlign;

} // namespace

FrmAbout::FrmAbout(std::string programFolder, std::string dataFolder)
    // A tool window stays out of the task bar.
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
    , m_pictures(std::move(programFolder), PictureCache::Missing::SayEachPicture)
    , m_dataFolder(std::move(dataFolder))
{
    // The client area's top-left is placed, not the frame's.
    SetUpWindow(*this, {.name = "frmAbout",
                        .title = ToQString(u"ﾊﾞｰｼﾞｮﾝ情報"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .clientTopLeft = DesignPoint(kClientLeft, kClientTop),
                        .whiteButtons = true});

    createControls();
}

void FrmAbout::createControls()
{
    // Where the player's own files are: the one thing a player may need to
    // look up here.
    const std::u16string where = u"データ: " + QString::fromStdString(m_dataFolder).toStdU16String();
    // The labels are black, but for the version in the system's text colour.
    const DesignControl design[] = {
        {"Text2", Kind::TextBox, 360, 2160, 2295, 270, where},
        {"Text1", Kind::TextBox, 360, 1920, 2295, 270, u"Kibbo タイピングゲーム"},
        {"Picture1", Kind::PictureBox, 240, 240, 495, 495, {}, kNoFont, nullptr, Align::Left, true, false, nullptr,
         kIcon},
        {"cmdOK", Kind::PushButton, 4245, 2880, 1380, 345, u"OK"},
        {"Label5", Kind::Label, 1920, 1560, 405, 210, u"皆様", kNoFont, kBlack},
        {"Label4", Kind::Label, 360, 1560, 1245, 210, u"Special Thanks ", kNoFont, kBlack},
        {"Label3", Kind::Label, 2760, 2160, 2805, 195, u"バグ等ありましたらお知らせください", kNoFont, kBlack},
        {"Label2", Kind::Label, 1080, 1320, 1725, 210, u"イラスト: 自動生成", kNoFont, kBlack},
        {"Label1", Kind::Label, 1080, 1080, 1725, 210, u"プログラム: 開発者", kNoFont, kBlack},
        // The etched rule: a white line with a grey one over its upper edge.
        {.id = "Line1_1", .kind = Kind::Line, .left = 90, .top = 2445, .width = 5654, .height = 2445,
         .colour = "&H00808080&"},
        {"lblDescription", Kind::Label, 360, 840, 2445, 210, u"作者: Kibbo開発者一同", kNoFont, kBlack},
        {"lblTitle", Kind::Label, 960, 120, 2205, 720, u"KIBBO", kArialBlack24Bold, kBlack},
        {.id = "Line1_0", .kind = Kind::Line, .left = 105, .top = 2460, .width = 5654, .height = 2460,
         .colour = kWhite, .lineWidth = 2},
        {"lblVersion", Kind::Label, 3480, 480, 1485, 285, u"Version " KIBBO_VERSION, kFixedSys9},
        {"lblDisclaimer", Kind::Label, 240, 2760, 3750, 585,
         u"十分に動作確認を行っていますが、このアプリケーションにおいて起こる一切の不具合には責任を負いませんのでご注意ください。",
         kNoFont, kBlack, Align::Left, true, true},
    };
    const DesignWidgets made = CreateDesignControls(design, *this, &m_pictures);

    m_cmdOK = made.get<QPushButton>("cmdOK");
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* text1 = made.get<QLineEdit>("Text1");
    auto* text2 = made.get<QLineEdit>("Text2");
    for (QLineEdit* box : {text1, text2}) {
        box->setReadOnly(true);
        box->setCursorPosition(0);
    }
    setTabOrder(m_cmdOK, text1);
    setTabOrder(text1, text2);
    m_cmdOK->setFocus();
}

void FrmAbout::keyPressEvent(QKeyEvent* event)
{
    // OK is both the default and the cancel button: Enter and Esc press it
    // wherever the focus is.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        m_cmdOK->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace kibbo
