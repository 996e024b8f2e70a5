// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainForm.h"

#include "game/Assets.h"
#include "game/PictureButtons.h"
#include "platform/ProgramPath.h"
#include "store/FileProblems.h"
#include "typing/KanaKeys.h"
#include "ui/ControlStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <optional>
#include <tuple>
#include <cmath>
#include <utility>

namespace kibbo {

namespace {

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
    , m_onWayland(IsWaylandPlatform(QGuiApplication::platformName()))
    , m_files(std::move(files))
    , m_pictures(m_programFolder)
    , m_store(m_files, m_disk)
    , m_keeper(m_store)
    , m_history(m_keeper)
    , m_trace(trace)
    , m_game({*this, sound, m_keeper.data(), std::move(currentSeconds), std::move(trace),
              [this](GameRecord game) { m_history.append(std::move(game)); },
              [] {
                  using namespace std::chrono;
                  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
              }})
    , m_followUp(m_game, m_keeper, [this](const ClearResult& clear) { clearSaved(clear); })
{
    SetUpWindow(*this, {.name = "MainForm",
                        .clientSize = {Pixels(kMainClientWidth) + 2 * kMainBorder,
                                       Pixels(kMainClientHeight) + 2 * kMainBorder},
                        .font = ControlFont("MS UI Gothic", 15.75, false),
                        .backColour = nullptr,
                        .deleteOnClose = false});
    // The player's files are read once, before the window is first shown;
    // from then on they are in memory, and kept current beside the window.
    m_keeper.load();
    m_disk.drain();
    m_keeper.changed = [this] { m_game.optionsChanged(); };
    m_scale = m_keeper.data().options.scale;
    // The border line is the window's own background showing around the
    // client area.
    QPalette border = palette();
    border.setColor(QPalette::Window, Qt::black);
    setPalette(border);
    // A Wayland window takes the shape of what it paints: it is left
    // transparent, the border is painted inside the outline only (see
    // paintEvent) and the client area is cut to it.
    if (m_onWayland)
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAutoFillBackground(true);
    // The player types straight into the game: romaji letters, or kana read
    // from the keys' places; an input method would only take the keys first.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    m_client = new QWidget(this);
    m_client->setGeometry(kMainBorder, kMainBorder, Pixels(kMainClientWidth), Pixels(kMainClientHeight));
    SetBackColour(*m_client, kMainBackColour);

    m_controls = CreateMainFormControls(*m_client);
    connectMenu();
    // A Wayland compositor places every window itself: the game's other
    // windows are kept over this one.
    if (m_onWayland) {
        const auto keep = [this](QWidget& window) { KeepOver(window, *this); };
        std::apply([&keep](auto&... windows) { (windows.setPrepare(keep), ...); },
                   std::tie(m_form1, m_form2, m_frmAbout, m_scoreBoardStart, m_scoreBoard, m_records, m_options));
    }

    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, [this] { m_followUp(m_game.tick()); });

    // Decoded now, so that no tick waits for the disk; the other screens'
    // large pictures once the title is on screen, so that neither the first
    // paint nor a key or tick waits.
    m_pictures.decode(kWalkerFrames);
    QTimer::singleShot(250, this, [this] {
        m_pictures.decode({kPlayWall, kGameOverWall, kClearedWall, kStreetDusk, kStreetNight});
    });

    LoadBuiltInPictures(*this);
    // The task bar shows the game's paw-print icon; a missing file leaves
    // the system's default icon.
    setWindowIcon(QIcon(QString::fromStdString(JoinProgramPath(m_programFolder, kIcon))));

    // The window sees every event of its controls first: every key, whichever
    // control has the focus, and the mouse on the background and the picture
    // buttons.
    qApp->installEventFilter(this);
}

MainForm::~MainForm()
{
    qApp->removeEventFilter(this);
    // Every save still on its way is written before the game goes; what
    // fails then, with no window left to say so, is said on stderr.
    m_closing = true;
    delete m_form1.get();
    delete m_scoreBoard.get();
    delete m_options.get();
    m_disk.drain();
}

void MainForm::setCaption(Control c, std::u16string_view text)
{
    SetControlCaption(*control(c), text);
}

void MainForm::setMarkedCaption(Control c, std::u16string_view text, std::size_t typed, std::size_t end)
{
    const QString all = ToQString(text);
    const auto part = [&all](std::size_t from, std::size_t to) {
        return all.mid(static_cast<qsizetype>(from), static_cast<qsizetype>(to - from)).toHtmlEscaped();
    };
    end = std::min(end, text.size());
    typed = std::min(typed, end);
    auto* label = qobject_cast<QLabel*>(control(c));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<span style=\"color:#a0a0a0\">%1</span>"
                                  "<span style=\"color:#c00000;text-decoration:underline\">%2</span>%3")
                       .arg(part(0, typed), part(typed, end), part(end, text.size())));
}

void MainForm::setVisible(Control c, bool visible)
{
    control(c)->setVisible(visible);
}

void MainForm::loadPicture(Control c, std::string_view relativePath)
{
    // Image2 stretches its picture over the street; every other picture
    // control takes its picture's size.
    SetControlPicture(*control(c), m_pictures.picture(relativePath), c != Control::Image2);
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
    ShapeWindow(*this, *m_client, m_onWayland);
}

void MainForm::paintEvent(QPaintEvent* event)
{
    if (m_onWayland)
        PaintInsideOutline(*this);
    else
        QWidget::paintEvent(event);
}

void MainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A player called away stops typing at once; with the pause option a
    // game in play waits for them.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_game.pause();
}

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        handleKeyPreview(watched, event);
        return false;
    }
    // The compositor keeps the release that ends a move it made to itself;
    // the pointer coming back to the window, its button up, ends the drag.
    if (event->type() == QEvent::Enter && watched == this && m_onWayland)
        m_drag.isDragging = 0;
    if (!IsMouseEvent(event->type()))
        return false;
    if (watched == m_client || watched == control(Control::Image6))
        return handleDragEvent(static_cast<QWidget*>(watched), event);
    for (const PictureButtonSpec& button : kPictureButtons) {
        if (watched == control(button.control))
            return handlePictureButtonEvent(button.button, event);
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
    // Function keys type no character, so they are never judged.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F2 || key->key() == Qt::Key_F3) {
        toggleSound(key->key() == Qt::Key_F2);
        return;
    }
    // The key's place on the keyboard, for a game typed in kana: the kana
    // printed there, whatever the desktop's layout makes of the key.
    const std::optional<char16_t> kana = KanaOfKey(static_cast<int>(key->nativeScanCode()),
                                                   key->modifiers().testFlag(Qt::ShiftModifier));
    const QString text = key->text();
    if (!text.isEmpty() || kana)
        m_followUp(m_game.keyPress(text.isEmpty() ? u'\0' : text.at(0).unicode(), kana));
}

void MainForm::toggleSound(bool music)
{
    if (music)
        m_game.toggleMusic();
    else
        m_game.toggleEffects();
    m_followUp.soundToggled(music);
    if (m_options.get())
        m_options.get()->showSound(m_game.soundLevels());
}

void MainForm::clearSaved(const ClearResult& clear)
{
    // The entry window says so itself when it opens.
    if (!clear.scoreSaved && (!clear.entersRanking || m_closing))
        ReportFileProblem("kibbo", CannotWrite(clear.lastScoreSave, Unsaved::LastScore));
    // The cleared screen is up: the key that cleared the game has returned.
    if (clear.entersRanking && !m_closing)
        openScoreBoard(clear.score, clear.input);
}

void MainForm::openScoreBoard(std::int32_t score, Input input)
{
    // A window still open from an earlier game keeps its score: it only
    // comes to the front.
    if (m_scoreBoard.open(m_keeper, score, input)) {
        // Beside the main window, so that the result screen stays in view.
        // On Wayland the compositor places it wherever it places windows
        // that belong to another; no program can put it beside.
        if (!m_onWayland)
            m_scoreBoard.get()->move(frameGeometry().right() + 8, frameGeometry().top());
    }
}

void MainForm::connectMenu()
{
    auto button = [this](Control c) { return qobject_cast<QPushButton*>(control(c)); };
    connect(button(Control::KeySettei), &QPushButton::clicked, this, [this] {
        if (m_form1.open(m_keeper))
            connect(m_form1.get(), &Form1::optionsRequested, this, &MainForm::openOptions);
    });
    connect(button(Control::Howto), &QPushButton::clicked, this, [this] { m_form2.open(m_programFolder); });
    connect(button(Control::VersionBtn), &QPushButton::clicked, this,
            [this] { m_frmAbout.open(m_programFolder, m_files.folder); });
    connect(button(Control::ScoreBtn), &QPushButton::clicked, this, [this] {
        const Input input = m_keeper.data().input();
        if (m_scoreBoardStart.open(m_keeper.data().rankingOf(input), input))
            connect(m_scoreBoardStart.get(), &ScoreBoardStart::recordsRequested, this, [this] { openRecords(); });
    });
}

void MainForm::openRecords(std::function<void(QWidget& records)> opened)
{
    // Games that ended a moment ago are on their way to the file; the
    // window's read of it comes after them.
    m_records.open(m_keeper);
    if (opened)
        opened(*m_records.get());
}

void MainForm::openOptions()
{
    if (m_options.open(m_keeper, m_scale))
        connect(m_options.get(), &OptionsWindow::soundChanged, this,
                [this](const SoundLevels& levels) { m_game.setSoundLevels(levels); });
}

bool MainForm::handleDragEvent(QWidget* surface, QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A press that a push button left unused travels on to the client area
    // beneath; only the bare background is a drag surface.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && surface == m_client && m_client->childAt(mouse->position().toPoint()))
        return true;
    if (FollowDrag(*this, m_drag, *surface, *mouse, m_onWayland) && m_trace)
        m_trace("drag\tcompositor");
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
        // The pressed picture is painted now, without running the event
        // loop: a release already waiting would otherwise end the program
        // before it was ever seen.
        if (button == PictureButton::Finish)
            control(ControlOf(button))->repaint();
        break;
    case QEvent::MouseButtonRelease: {
        if (m_swallowRelease) {
            m_swallowRelease = false;
            break;
        }
        const ButtonOutcome outcome = m_game.buttonUp(button);
        m_followUp(outcome);
        if (outcome == ButtonOutcome::Quit)
            endProgram();
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace kibbo
