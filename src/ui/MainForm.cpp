#include "ui/MainForm.h"

#include "platform/ProgramPath.h"
#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/WindowShape.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 9225;
constexpr int kClientHeight = 6240;
// The fixed single border around the client area, one pixel on each side.
constexpr int kBorder = 1;

constexpr const char* kBackColour = "&H000000FF&";
constexpr const char* kResultColour = "&H00004080&";
constexpr const char* kBlack = "&H00000000&";

enum class Kind { PushButton, Label, Picture };
enum class Align { Left, Right, Centre };

struct FontSpec {
    const char* name;
    double points;
    bool bold;
};

constexpr FontSpec kNoFont{nullptr, 0, false};
constexpr FontSpec kGothic975{"MS UI Gothic", 9.75, false};
constexpr FontSpec kGothic825{"MS UI Gothic", 8.25, false};
constexpr FontSpec kGothic12{"MS UI Gothic", 12, false};
constexpr FontSpec kGothic12Bold{"MS UI Gothic", 12, true};
constexpr FontSpec kGothic1575Bold{"MS UI Gothic", 15.75, true};
constexpr FontSpec kSerif135Bold{"MS Serif", 13.5, true};
constexpr FontSpec kSerif18{"MS Serif", 18, false};

// One control as the window is created. A null colour is the system's
// text colour.
struct ControlSpec {
    Control control;
    Kind kind;
    int left, top, width, height;
    const char16_t* caption;
    FontSpec font;
    const char* colour;
    Align align;
    bool visible;
};

// In stacking order from the top, as Control lists them.
constexpr ControlSpec kDesign[] = {
    {Control::ScoreBtn, Kind::PushButton, 3840, 5280, 1575, 375, u"得点ランキング", kGothic975, nullptr, Align::Centre, true},
    {Control::VersionBtn, Kind::PushButton, 3840, 4800, 1575, 375, u"バージョン情報", kGothic975, nullptr, Align::Centre, true},
    {Control::Howto, Kind::PushButton, 3840, 3840, 1575, 375, u"操作方法", kGothic975, nullptr, Align::Centre, true},
    {Control::KeySettei, Kind::PushButton, 3840, 4320, 1575, 375, u"ユーザーキー設定", kGothic975, nullptr, Align::Centre, true},
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

// The pictures the window is created with: the released look of the picture
// buttons and the afternoon street strip.
constexpr std::pair<Control, const char*> kBuiltInPictures[] = {
    {Control::StartBtn, "ani\\b_kaisi.gif"},
    {Control::TopBtn, "ani\\b_home.gif"},
    {Control::RestartBtn, "ani\\b_saityousen.gif"},
    {Control::FinishBtn, "ani\\b_syuuryou.gif"},
    {Control::Image2, "ani\\back_kabe.gif"},
};

std::optional<PictureButton> PictureButtonOf(Control c)
{
    switch (c) {
    case Control::StartBtn:
        return PictureButton::Start;
    case Control::RestartBtn:
        return PictureButton::Restart;
    case Control::TopBtn:
        return PictureButton::Top;
    case Control::FinishBtn:
        return PictureButton::Finish;
    default:
        return std::nullopt;
    }
}

bool IsMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove;
}

void LeaveEventLoop()
{
    QCoreApplication::exit(0);
}

} // namespace

MainForm::MainForm(SoundService& sound, std::string programFolder, PlayerFiles files,
                   std::function<int()> currentSeconds, std::function<void(std::string_view)> trace)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , endProgram(LeaveEventLoop)
    , m_programFolder(std::move(programFolder))
    , m_files(std::move(files))
    , m_game({*this, sound, m_programFolder, m_files, std::move(currentSeconds), std::move(trace)})
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString());
    setFixedSize(Pixels(kClientWidth) + 2 * kBorder, Pixels(kClientHeight) + 2 * kBorder);
    setFont(ControlFont("MS UI Gothic", 15.75, false));
    // The border line is the window's own background showing around the
    // client area.
    QPalette border = palette();
    border.setColor(QPalette::Window, Qt::black);
    setPalette(border);
    setAutoFillBackground(true);
    // The player types romaji straight into the game; an input method would
    // only turn the keys into kana first.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    m_client = new QWidget(this);
    m_client->setGeometry(kBorder, kBorder, Pixels(kClientWidth), Pixels(kClientHeight));
    QPalette back = m_client->palette();
    back.setColor(QPalette::Window, DesignColour(kBackColour));
    m_client->setPalette(back);
    m_client->setAutoFillBackground(true);

    createControls();
    connectMenu();

    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, [this] { followUp(m_game.tick()); });

    // Decoded now, so that no tick waits for the disk.
    for (const char* frame : {"ani\\ani.gif", "ani\\ani2.gif", "ani\\ani3.gif"})
        picture(frame);
    // The other screens' large pictures are decoded once the title is on
    // screen, so that neither the first paint nor a key or tick waits.
    QTimer::singleShot(250, this, [this] {
        for (const char* file : {"ani\\wall2.gif", "ani\\gameover.gif", "ani\\gameclear.gif",
                                 "ani\\back_kabe2.gif", "ani\\back_kabe3.gif"})
            picture(file);
    });

    for (const auto& [c, path] : kBuiltInPictures)
        loadPicture(c, path);
    // The task bar shows the game's paw-print icon; a missing file leaves
    // the system's default icon.
    setWindowIcon(QIcon(QString::fromStdString(JoinProgramPath(m_programFolder, "ani\\icon.gif"))));

    // The window sees every event of its controls first: every key, whichever
    // control has the focus, and the mouse on the background and the picture
    // buttons.
    qApp->installEventFilter(this);
}

MainForm::~MainForm()
{
    qApp->removeEventFilter(this);
}

void MainForm::createControls()
{
    // Later siblings are drawn above earlier ones, so the controls are made
    // from the bottom of the stack up.
    for (auto it = std::rbegin(kDesign); it != std::rend(kDesign); ++it) {
        const ControlSpec& design = *it;
        QWidget* widget = nullptr;
        switch (design.kind) {
        case Kind::PushButton: {
            auto* button = new QPushButton(ToQString(design.caption), m_client);
            button->setStyleSheet(WhiteButtonStyle());
            widget = button;
            break;
        }
        case Kind::Label: {
            // Every label of the window is one line that must be read whole,
            // in whatever font stands in for the design's.
            auto* label = new FitLabel(ToQString(design.caption), m_client);
            Qt::Alignment align = Qt::AlignTop;
            switch (design.align) {
            case Align::Left:
                align |= Qt::AlignLeft;
                break;
            case Align::Right:
                align |= Qt::AlignRight;
                break;
            case Align::Centre:
                align |= Qt::AlignHCenter;
                break;
            }
            label->setAlignment(align);
            label->setWordWrap(false);
            if (design.colour) {
                QPalette text = label->palette();
                text.setColor(QPalette::WindowText, DesignColour(design.colour));
                label->setPalette(text);
            }
            widget = label;
            break;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(m_client);
            picture->setScaledContents(design.control == Control::Image2);
            widget = picture;
            break;
        }
        }
        // Labels and pictures never paint a background of their own: the
        // pictures beneath show through.
        widget->setAutoFillBackground(false);
        widget->setAttribute(Qt::WA_InputMethodEnabled, false);
        if (design.font.name)
            widget->setFont(ControlFont(design.font.name, design.font.points, design.font.bold));
        widget->setGeometry(Pixels(design.left), Pixels(design.top), Pixels(design.width),
                            Pixels(design.height));
        widget->setVisible(design.visible);
        m_controls[Index(design.control)] = widget;
    }

    // The push buttons are native child windows in the design and stay above
    // every label and picture.
    for (Control c : {Control::KeySettei, Control::Howto, Control::VersionBtn, Control::ScoreBtn})
        control(c)->raise();
    setTabOrder(control(Control::KeySettei), control(Control::Howto));
    setTabOrder(control(Control::Howto), control(Control::VersionBtn));
    setTabOrder(control(Control::VersionBtn), control(Control::ScoreBtn));
    control(Control::KeySettei)->setFocus();
}

void MainForm::setCaption(Control c, std::u16string_view text)
{
    if (auto* label = qobject_cast<QLabel*>(control(c)))
        label->setText(ToQString(text));
    else if (auto* button = qobject_cast<QPushButton*>(control(c)))
        button->setText(ToQString(text));
}

void MainForm::setVisible(Control c, bool visible)
{
    control(c)->setVisible(visible);
}

const QPixmap& MainForm::picture(std::string_view relativePath)
{
    const std::string path = JoinProgramPath(m_programFolder, relativePath);
    auto cached = m_pictures.find(path);
    if (cached == m_pictures.end()) {
        QPixmap pixmap;
        if (!pixmap.load(QString::fromStdString(path)))
            warnMissingPicture(path);
        cached = m_pictures.emplace(path, pixmap).first;
    }
    return cached->second;
}

void MainForm::warnMissingPicture(const std::string& path)
{
    // A whole folder gone would otherwise give a line for every dog.
    const QFileInfo file(QString::fromStdString(path));
    if (!file.dir().exists()) {
        const std::string folder = file.dir().path().toStdString();
        if (m_missingFolders.insert(folder).second)
            std::fprintf(stderr, "kibbo: no folder %s; its pictures are not shown\n", folder.c_str());
        return;
    }
    std::fprintf(stderr, "kibbo: cannot load picture %s\n", path.c_str());
}

void MainForm::loadPicture(Control c, std::string_view relativePath)
{
    auto* label = qobject_cast<QLabel*>(control(c));
    if (!label)
        return;
    const QPixmap& pixmap = picture(relativePath);
    if (pixmap.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(pixmap);
    // Image2 stretches its picture over the street; every other picture
    // control takes its picture's size.
    if (c != Control::Image2)
        label->resize(pixmap.deviceIndependentSize().toSize());
}

int MainForm::left(Control c) const
{
    return control(c)->x() * kTwipsPerPixel;
}

void MainForm::setLeft(Control c, int twips)
{
    QWidget* widget = control(c);
    widget->move(Pixels(twips), widget->y());
}

void MainForm::setTimer1Enabled(bool enabled)
{
    // Enabling a running timer must not restart its period, or every dog
    // set up between two ticks would hold the game clock back.
    if (enabled && !m_timer1.isActive())
        m_timer1.start();
    else if (!enabled)
        m_timer1.stop();
}

void MainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setMask(RoundedWindowRegion(width() * kTwipsPerPixel, height() * kTwipsPerPixel,
                                kTwipsPerPixel, kTwipsPerPixel));
}

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        handleKeyPreview(watched, event);
        return false;
    }
    if (!IsMouseEvent(event->type()))
        return false;
    if (watched == m_client || watched == control(Control::Image6))
        return handleDragEvent(static_cast<QWidget*>(watched), event);
    for (Control c : {Control::StartBtn, Control::TopBtn, Control::RestartBtn, Control::FinishBtn}) {
        if (watched == control(c))
            return handlePictureButtonEvent(*PictureButtonOf(c), event);
    }
    // A press on a label or a picture does nothing, and above all does not
    // reach the background beneath and start a drag.
    if (qobject_cast<QLabel*>(watched) && static_cast<QWidget*>(watched)->parentWidget() == m_client)
        return true;
    return false;
}

void MainForm::handleKeyPreview(QObject* receiver, QEvent* event)
{
    // A key the focused control leaves unused travels on to its parents;
    // the window sees it once, on its way to the first of them.
    QWidget* first = focusWidget() ? focusWidget() : this;
    if (receiver != first)
        return;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (!text.isEmpty())
        followUp(m_game.keyPress(text.at(0).unicode()));
}

void MainForm::followUp(Outcome outcome)
{
    if (outcome != Outcome::Cleared)
        return;
    const ClearResult& clear = m_game.lastClear();
    // The entry window says so itself when it opens.
    if (!clear.scoreSaved && !clear.entersRanking)
        std::fprintf(stderr, "kibbo: cannot write %s; the score of this game is not saved\n",
                     m_files.lastScore.c_str());
    // After the cleared screen has been painted: making the window takes
    // longer than a frame.
    if (clear.entersRanking)
        QTimer::singleShot(0, this, [this, score = clear.score] { openScoreBoard(score); });
}

void MainForm::openScoreBoard(std::int32_t score)
{
    // A window still open from an earlier game keeps its score: it only
    // comes to the front.
    if (m_scoreBoard.open(m_files, score)) {
        // Beside the main window, so that the result screen stays in view.
        ScoreBoard* board = m_scoreBoard.get();
        board->move(frameGeometry().right() + 8, frameGeometry().top());
    }
}

void MainForm::connectMenu()
{
    auto button = [this](Control c) { return qobject_cast<QPushButton*>(control(c)); };
    connect(button(Control::KeySettei), &QPushButton::clicked, this, [this] { m_form1.open(m_files); });
    connect(button(Control::Howto), &QPushButton::clicked, this, [this] { m_form2.open(m_programFolder); });
    connect(button(Control::VersionBtn), &QPushButton::clicked, this,
            [this] { m_frmAbout.open(m_programFolder, m_files.folder); });
    connect(button(Control::ScoreBtn), &QPushButton::clicked, this,
            [this] { m_scoreBoardStart.open(m_files); });
}

bool MainForm::handleDragEvent(QWidget* surface, QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    GameState& s = m_game.state();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A press that a push button left unused travels on to the client
        // area beneath; only the bare background is a drag surface.
        if (surface == m_client && m_client->childAt(mouse->position().toPoint()))
            return true;
        s.dragStartX = static_cast<std::int32_t>(std::nearbyint(mouse->position().x() * kTwipsPerPixel));
        s.dragStartY = static_cast<std::int32_t>(std::nearbyint(mouse->position().y() * kTwipsPerPixel));
        s.isDragging = 1;
        break;
    case QEvent::MouseMove:
        if (s.isDragging == 1) {
            // The window's left edge becomes Left - dragStartX + X, with X the
            // pointer relative to the surface. Worked out from the pointer's
            // screen position, which is the same sum, it stays right while the
            // window system has not yet caught up with the previous move.
            const QPointF surfaceOrigin = surface->mapTo(this, QPointF(0, 0));
            const QPointF pointer = mouse->globalPosition() - surfaceOrigin;
            move(Pixels(pointer.x() * kTwipsPerPixel - s.dragStartX),
                 Pixels(pointer.y() * kTwipsPerPixel - s.dragStartY));
        }
        break;
    case QEvent::MouseButtonRelease:
        s.isDragging = 0;
        break;
    default:
        break;
    }
    return true;
}

bool MainForm::handlePictureButtonEvent(PictureButton button, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (button != m_lastPressed) {
            m_swallowRelease = true;
            break;
        }
        [[fallthrough]];
    case QEvent::MouseButtonPress:
        m_lastPressed = button;
        m_game.buttonDown(button);
        // Lets the pressed picture appear before the program ends.
        if (button == PictureButton::Finish)
            QCoreApplication::processEvents();
        break;
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease) {
            m_swallowRelease = false;
            break;
        }
        if (m_game.buttonUp(button) == ButtonOutcome::Quit)
            endProgram();
        break;
    default:
        break;
    }
    return true;
}

} // namespace kibbo
