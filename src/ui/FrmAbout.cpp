// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FrmAbout.h"

#include "game/Assets.h"
#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/LineWidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

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
    // Made from the bottom of the stack up: later siblings are drawn above.
    // The installed fonts run wider than the design's: a one-line label is
    // condensed rather than wrapped or cut.
    auto label = [this](const char* name, const char16_t* text, QRect rect, bool wraps = false) {
        QLabel* l = wraps ? new QLabel(ToQString(text), this) : new FitLabel(ToQString(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(rect);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(wraps);
        QPalette black = l->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(black);
        return l;
    };

    label("lblDisclaimer",
          u"十分に動作確認を行っていますが、このアプリケーションにおいて起こる一切の不具合には責任を負いませんのでご注意ください。",
          DesignRect(240, 2760, 3750, 585), true);

    auto* lblVersion = label("lblVersion", u"Version " KIBBO_VERSION, DesignRect(3480, 480, 1485, 285));
    QFont fixedSys = ControlFont("FixedSys", 9, false);
    fixedSys.setStyleHint(QFont::Monospace);
    lblVersion->setFont(fixedSys);
    // The system's text colour, where the other labels are black.
    lblVersion->setPalette(palette());

    // The etched rule: a white line with a grey one over its upper edge.
    auto* upper = new LineWidget(this, DesignPoint(105, 2460), DesignPoint(5654, 2460),
                                 DesignColour("&H00FFFFFF&"), 2);
    upper->setObjectName(QStringLiteral("Line1_0"));

    auto* lblTitle = label("lblTitle", u"KIBBO", DesignRect(960, 120, 2205, 720));
    QFont arialBlack = ControlFont("Arial Black", 24, true);
    arialBlack.setStyleHint(QFont::SansSerif);
    lblTitle->setFont(arialBlack);

    label("lblDescription", u"作者: Kibbo開発者一同", DesignRect(360, 840, 2445, 210));

    auto* lower = new LineWidget(this, DesignPoint(90, 2445), DesignPoint(5654, 2445),
                                 DesignColour("&H00808080&"), 1);
    lower->setObjectName(QStringLiteral("Line1_1"));

    label("Label1", u"プログラム: 開発者", DesignRect(1080, 1080, 1725, 210));
    label("Label2", u"イラスト: 自動生成", DesignRect(1080, 1320, 1725, 210));
    label("Label3", u"バグ等ありましたらお知らせください", DesignRect(2760, 2160, 2805, 195));
    label("Label4", u"Special Thanks ", DesignRect(360, 1560, 1245, 210));
    label("Label5", u"皆様", DesignRect(1920, 1560, 405, 210));

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(DesignRect(4245, 2880, 1380, 345));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(DesignRect(240, 240, 495, 495));
    picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (const QPixmap& icon = m_pictures.picture(kIcon); !icon.isNull())
        picture1->setPixmap(icon);

    auto textBox = [this](const char* name, const char16_t* text, QRect rect) {
        auto* box = new QLineEdit(ToQString(text), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(rect);
        box->setReadOnly(true);
        box->setCursorPosition(0);
        return box;
    };
    auto* text1 = textBox("Text1", u"Kibbo タイピングゲーム", DesignRect(360, 1920, 2295, 270));
    // Where the player's own files are: the one thing a player may need to
    // look up here.
    const std::u16string where = u"データ: " + QString::fromStdString(m_dataFolder).toStdU16String();
    auto* text2 = textBox("Text2", where.c_str(), DesignRect(360, 2160, 2295, 270));

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
