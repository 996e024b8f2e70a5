// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainForm.h"

#include "game/Assets.h"
#include "game/PictureButtons.h"
#include "platform/ProgramPath.h"
#include "store/FileProblems.h"
#include "ui/ControlStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include <chrono>
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
    // The player types romaji straight into the game; an input method would
    // only turn the keys into kana first.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    m_client = new QWidget(this);
    m_client->setGeometry(kMainBorder, kMainBorder, Pixels(kMainClientWidth), Pixels(kMainClientHeight));
    SetBackColour(*m_client, kMainBackColour);

    m_controls = CreateMainFormControls(*m_client);
    connectMenu();
    if (m_onWayland) {
        const auto keep = [this](QWidget& window) { keepWithMainWindow(window); };
        m_form1.setPrepare(keep);
        m_form2.setPrepare(keep);
        m_frmAbout.setPrepare(keep);
        m_scoreBoardStart.setPrepare(keep);
        m_scoreBoard.setPrepare(keep);
        m_records.setPrepare(keep);
        m_options.setPrepare(keep);
    }

    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, [this] { m_followUp(m_game.tick()); });

    // Decoded now, so that no tick waits for the disk.
    for (std::string_view frame : kWalkerFrames)
        m_pictures.picture(frame);
    // The other screens' large pictures are decoded once the title is on
    // screen, so that neither the first paint nor a key or tick waits.
    QTimer::singleShot(250, this, [this] {
        for (std::string_view file : {kPlayWall, kGameOverWall, kClearedWall, kStreetDusk, kStreetNight})
            m_pictures.picture(file);
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
    if (auto* label = qobject_cast<QLabel*>(control(c)))
        label->setText(ToQString(text));
    else if (auto* button = qobject_cast<QPushButton*>(control(c)))
        button->setText(ToQString(text));
}

void MainForm::setVisible(Control c, bool visible)
{
    control(c)->setVisible(visible);
}

void MainForm::loadPicture(Control c, std::string_view relativePath)
{
    auto* label = qobject_cast<QLabel*>(control(c));
    if (!label)
        return;
    const QPixmap& pixmap = m_pictures.picture(relativePath);
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
    const QRegion outline = RoundedWindowRegion(width() * kTwipsPerPixel, height() * kTwipsPerPixel,
                                                kTwipsPerPixel, kTwipsPerPixel);
    // Under X11 the mask shapes the window. A Wayland compositor takes it
    // only for where clicks land; what is drawn is kept inside it here.
    setMask(outline);
    if (m_onWayland)
        m_client->setMask(outline.translated(-m_client->pos()));
}

void MainForm::paintEvent(QPaintEvent* event)
{
    if (!m_onWayland) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setClipRegion(mask());
    painter.fillRect(rect(), palette().color(QPalette::Window));
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
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F2 || key == Qt::Key_F3) {
        toggleSound(key == Qt::Key_F2);
        return;
    }
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (!text.isEmpty())
        m_followUp(m_game.keyPress(text.at(0).unicode()));
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
        openScoreBoard(clear.score);
}

void MainForm::openScoreBoard(std::int32_t score)
{
    // A window still open from an earlier game keeps its score: it only
    // comes to the front.
    if (m_scoreBoard.open(m_keeper, score)) {
        // Beside the main window, so that the result screen stays in view.
        // On Wayland the compositor places it wherever it places windows
        // that belong to another; no program can put it beside.
        if (!m_onWayland)
            m_scoreBoard.get()->move(frameGeometry().right() + 8, frameGeometry().top());
    }
}

void MainForm::keepWithMainWindow(QWidget& window)
{
    // A Wayland compositor places every window itself and does not know
    // which windows belong together unless told: the game's other windows
    // are the main window's own, kept over it (and, on a tiling desktop,
    // floating like it rather than filling the screen behind it).
    window.winId();
    if (window.windowHandle() && windowHandle())
        window.windowHandle()->setTransientParent(windowHandle());
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
        if (m_scoreBoardStart.open(m_keeper.data().ranking))
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
    auto* mouse = static_cast<QMouseEvent*>(event);
    WindowDrag& s = m_drag;
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
        // A Wayland window cannot place itself: the compositor moves it with
        // the pointer, the grab offset kept, until the button is let go.
        if (m_onWayland && windowHandle() && windowHandle()->startSystemMove() && m_trace)
            m_trace("drag\tcompositor");
        break;
    case QEvent::MouseMove:
        // On Wayland the compositor moves the window itself.
        if (s.isDragging == 1 && !m_onWayland) {
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
