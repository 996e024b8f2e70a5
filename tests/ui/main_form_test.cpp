// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/RecordingSound.h"
#include "support/TestPictures.h"
#include "ui/FitLabel.h"
#include "ui/MainForm.h"
#include "ui/WindowShape.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using kibbo::Control;
using kibbo::MainForm;
using kibbo::test::RecordingSound;

namespace {

using kibbo::test::TestPicture;

// Every picture the tests use.
const TestPicture kPictures[] = {
    {"ani/wall.gif", {600, 400}, QColor(10, 200, 10)},
    {"ani/wall2.gif", {600, 400}, QColor(10, 10, 200)},
    {"ani/back_kabe.gif", {250, 50}, QColor(200, 200, 10)},
    {"ani/b_kaisi.gif", {48, 47}, QColor(250, 150, 150)},
    {"ani/b_kaisi2.gif", {48, 47}, QColor(150, 50, 50)},
    {"ani/b_home.gif", {48, 47}, QColor(250, 150, 200)},
    {"ani/b_home2.gif", {48, 47}, QColor(150, 50, 100)},
    {"ani/b_saityousen.gif", {48, 47}, QColor(250, 200, 150)},
    {"ani/b_saityousen2.gif", {48, 47}, QColor(150, 100, 50)},
    {"ani/b_syuuryou.gif", {48, 47}, QColor(200, 150, 250)},
    {"ani/b_syuuryou2.gif", {48, 47}, QColor(100, 50, 150)},
    {"pics/basenji.gif", {80, 50}, QColor(120, 90, 60)}, // the dog at index 0
};

QColor ColourOf(const char* path)
{
    for (const TestPicture& p : kPictures) {
        if (std::string(p.path) == path)
            return p.colour;
    }
    return {};
}

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest()
    {
        QDir(dir.path()).mkpath("data");
        kibbo::test::WritePictures(QDir(dir.path()), kPictures);
        form = std::make_unique<MainForm>(sound, dir.path().toStdString(),
                                        kibbo::PlayerFiles::In(dir.path().toStdString() + "/data"), [] { return 0; });
        form->endProgram = [this] { quitAfterRequests = static_cast<int>(sound.requests.size()); };
        form->game().formLoad();
        form->show();
    }

    QWidget* at(Control c) const { return form->control(c); }
    QLabel* label(Control c) const { return qobject_cast<QLabel*>(at(c)); }

    // The colour of the picture a control holds, invalid for none.
    QColor pictureColour(Control c) const
    {
        const QPixmap pixmap = label(c)->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }

    // The control a press at this point of the client area lands on.
    QWidget* hit(QPoint clientPos) const { return form->clientArea()->childAt(clientPos); }

    void sendMouse(QWidget* target, QEvent::Type type, QPoint localPos, Qt::MouseButton button,
                   Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(localPos), QPointF(target->mapToGlobal(localPos)), button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    // Presses and releases a mouse button at a point of the client area, on
    // whatever control lies there.
    void click(QPoint clientPos, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = hit(clientPos);
        if (!target)
            target = form->clientArea();
        const QPoint local = target->mapFrom(form->clientArea(), clientPos);
        sendMouse(target, QEvent::MouseButtonPress, local, button, button);
        sendMouse(target, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
    }

    // The middle of the picture-button column's top square, where Start_btn
    // and Top_btn lie.
    static QPoint startSquare() { return {536 + 24, 16 + 23}; }
    static QPoint restartSquare() { return {536 + 24, 72 + 23}; }
    static QPoint finishSquare() { return {536 + 24, 128 + 23}; }

    std::string path(const std::string& relative) const
    {
        return dir.path().toStdString() + "/" + relative;
    }

    QTemporaryDir dir;
    RecordingSound sound;
    std::unique_ptr<MainForm> form;
    int quitAfterRequests = -1;
};

// What a control looks like on a screen: shown, hidden, shown but with
// nothing in it, or shown but beneath another control.
enum class Look { Shown, Hidden, Empty, Covered };

struct ScreenRow {
    Control control;
    Look titleAtStartUp;
    Look titleAfterTop;
    Look play;
};

const ScreenRow kScreens[] = {
    {Control::StartBtn, Look::Shown, Look::Shown, Look::Hidden},
    {Control::TopBtn, Look::Covered, Look::Covered, Look::Shown},
    {Control::RestartBtn, Look::Shown, Look::Shown, Look::Shown},
    {Control::FinishBtn, Look::Shown, Look::Shown, Look::Shown},
    {Control::ScoreBtn, Look::Shown, Look::Shown, Look::Hidden},
    {Control::VersionBtn, Look::Shown, Look::Shown, Look::Hidden},
    {Control::Howto, Look::Shown, Look::Shown, Look::Hidden},
    {Control::KeySettei, Look::Shown, Look::Shown, Look::Hidden},
    {Control::Image2, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Image3, Look::Empty, Look::Hidden, Look::Shown},
    {Control::Image1, Look::Empty, Look::Hidden, Look::Shown},
    {Control::TxtTyp0, Look::Empty, Look::Hidden, Look::Shown},
    {Control::TxtTyp2, Look::Empty, Look::Hidden, Look::Shown},
    {Control::TxtTyp1, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label3, Look::Empty, Look::Hidden, Look::Shown},
    {Control::LimitTime, Look::Empty, Look::Hidden, Look::Shown},
    {Control::Label9, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label10, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label11, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label12, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label13, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label14, Look::Hidden, Look::Hidden, Look::Shown},
    {Control::Label2, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label4, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label5, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label6, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label7, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label8, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label15, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label16, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label17, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label1, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label18, Look::Hidden, Look::Hidden, Look::Hidden},
    {Control::Label19, Look::Hidden, Look::Hidden, Look::Hidden},
};

enum class Screen { TitleAtStartUp, TitleAfterTop, Play };

} // namespace

class ScreenTest : public MainFormTest {
protected:
    void expectScreen(Screen screen)
    {
        for (const ScreenRow& row : kScreens) {
            const Look look = screen == Screen::TitleAtStartUp ? row.titleAtStartUp
                : screen == Screen::TitleAfterTop              ? row.titleAfterTop
                                                               : row.play;
            QWidget* w = at(row.control);
            const int id = static_cast<int>(row.control);
            EXPECT_EQ(w->isVisible(), look != Look::Hidden) << "control " << id;
            if (look == Look::Empty) {
                QLabel* l = label(row.control);
                EXPECT_TRUE(l->text().isEmpty() && l->pixmap().isNull()) << "control " << id;
            }
            const QPoint middle = w->geometry().center();
            if (look == Look::Covered) {
                EXPECT_NE(hit(middle), w) << "control " << id;
            }
            if (look == Look::Shown && row.control >= Control::StartBtn
                && row.control <= Control::RestartBtn) {
                EXPECT_EQ(hit(middle), w) << "control " << id;
            }
        }
    }
};

// Start-up shows the title: the wall, the menu and the start button, with
// the game's controls empty, no clock, no timer and no music.
TEST_F(ScreenTest, TitleAtStartUp)
{
    expectScreen(Screen::TitleAtStartUp);
    EXPECT_EQ(pictureColour(Control::Image6), ColourOf("ani/wall.gif"));
    EXPECT_FALSE(form->timer1().isActive());
    EXPECT_TRUE(sound.requests.empty());
}

// Start shows the play screen with the first dog, runs the timer and starts
// the opening music.
TEST_F(ScreenTest, Play)
{
    click(startSquare());
    expectScreen(Screen::Play);
    EXPECT_EQ(pictureColour(Control::Image6), ColourOf("ani/wall2.gif"));
    EXPECT_EQ(pictureColour(Control::Image1), ColourOf("pics/basenji.gif"));
    EXPECT_EQ(label(Control::TxtTyp0)->text(), QString::fromUtf16(u"バセンジー"));
    EXPECT_FALSE(label(Control::TxtTyp2)->text().isEmpty());
    EXPECT_EQ(label(Control::Label3)->text(), QString::fromUtf16(u"制限時間"));
    EXPECT_EQ(label(Control::Label12)->text(), "13");
    EXPECT_TRUE(form->timer1().isActive());
    EXPECT_EQ(sound.requests, (std::vector<std::string>{"effect click", "music opening"}));
}

// Top_btn from play goes back to a silent title on which the game's controls
// are hidden rather than empty.
TEST_F(ScreenTest, TitleAfterTop)
{
    click(startSquare());
    click(startSquare()); // Top_btn, now uncovered
    expectScreen(Screen::TitleAfterTop);
    EXPECT_EQ(pictureColour(Control::Image6), ColourOf("ani/wall.gif"));
    EXPECT_EQ(pictureColour(Control::Image2), ColourOf("ani/back_kabe.gif"));
    EXPECT_FALSE(form->timer1().isActive());
    EXPECT_EQ(sound.requests.back(), "stop music");
}

// Restart_btn on the title screen starts a game like Start_btn.
TEST_F(ScreenTest, RestartFromTitlePlays)
{
    click(restartSquare());
    expectScreen(Screen::Play);
}

// The right and the middle mouse button work like the left one.
TEST_F(MainFormTest, AnyMouseButtonPressesAPictureButton)
{
    click(startSquare(), Qt::RightButton);
    EXPECT_FALSE(at(Control::StartBtn)->isVisible());
    click(startSquare(), Qt::MiddleButton);
    EXPECT_TRUE(at(Control::StartBtn)->isVisible());
}

// A press plays the click first and leaves the bark ready for typing; the
// button shows its pressed picture until the release.
TEST_F(MainFormTest, PressPlaysClickThenArmsBark)
{
    QWidget* start = hit(startSquare());
    ASSERT_EQ(start, at(Control::StartBtn));
    sendMouse(start, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(sound.requests, std::vector<std::string>{"effect click"});
    EXPECT_EQ(form->game().state().effectFile, kibbo::Effect::Bark);
    EXPECT_EQ(pictureColour(Control::StartBtn), ColourOf("ani/b_kaisi2.gif"));
    EXPECT_TRUE(at(Control::StartBtn)->isVisible());

    sendMouse(start, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(pictureColour(Control::StartBtn), ColourOf("ani/b_kaisi.gif"));
    EXPECT_FALSE(at(Control::StartBtn)->isVisible());
}

// The window watches, and starts with the released picture of, each
// picture button the rules know, and shows its pressed picture while held.
TEST_F(MainFormTest, EachPictureButtonShowsItsPictures)
{
    const auto colourOf = [](std::string_view picture) {
        std::string path(picture);
        std::replace(path.begin(), path.end(), '\\', '/');
        return ColourOf(path.c_str());
    };
    for (const kibbo::PictureButtonSpec& button : kibbo::kPictureButtons) {
        EXPECT_EQ(pictureColour(button.control), colourOf(button.pictures.released));
        sendMouse(at(button.control), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(pictureColour(button.control), colourOf(button.pictures.pressed));
    }
}

// While Start_btn is shown it covers Top_btn; hiding it uncovers Top_btn.
TEST_F(MainFormTest, StartCoversTop)
{
    EXPECT_EQ(at(Control::StartBtn)->geometry(), at(Control::TopBtn)->geometry());
    EXPECT_EQ(hit(startSquare()), at(Control::StartBtn));
    click(startSquare());
    EXPECT_EQ(hit(startSquare()), at(Control::TopBtn));
}

// Finish stops the music, then ends the program.
TEST_F(MainFormTest, FinishStopsMusicThenEnds)
{
    click(startSquare());
    click(finishSquare());
    ASSERT_GE(quitAfterRequests, 1);
    EXPECT_EQ(sound.requests[static_cast<std::size_t>(quitAfterRequests) - 1], "stop music");
    EXPECT_EQ(static_cast<int>(sound.requests.size()), quitAfterRequests);
}

// The window is the design's client area inside a one-pixel border, with no
// title bar.
TEST_F(MainFormTest, WindowSize)
{
    EXPECT_EQ(form->size(), QSize(617, 418));
    EXPECT_EQ(form->clientArea()->geometry(), QRect(1, 1, 615, 416));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->clientArea()->palette().color(QPalette::Window), QColor(255, 0, 0));
}

// Controls stand where the design puts them, twips divided by 15.
TEST_F(MainFormTest, ControlGeometry)
{
    const std::map<Control, QRect> expected = {
        {Control::ScoreBtn, {256, 352, 105, 25}},
        {Control::KeySettei, {256, 288, 105, 25}},
        {Control::Label19, {304, 104, 89, 25}},
        {Control::Label13, {144, 272, 9, 25}},
        {Control::LimitTime, {288, 176, 41, 33}},
        {Control::TxtTyp2, {88, 128, 425, 41}},
        {Control::TxtTyp0, {96, 24, 417, 25}},
        {Control::Image3, {120, 368, 33, 25}}, // no picture yet
    };
    for (const auto& [c, rect] : expected)
        EXPECT_EQ(at(c)->geometry(), rect) << "control " << static_cast<int>(c);
}

// Picture controls take their picture's size from their top-left corner;
// Image2 stretches any picture to 500 x 100.
TEST_F(MainFormTest, PictureSizes)
{
    EXPECT_EQ(at(Control::Image6)->geometry(), QRect(8, 8, 600, 400));
    EXPECT_EQ(at(Control::StartBtn)->geometry(), QRect(536, 16, 48, 47));
    EXPECT_EQ(at(Control::FinishBtn)->geometry(), QRect(536, 128, 48, 47));
    EXPECT_EQ(at(Control::Image2)->geometry(), QRect(56, 296, 500, 100));
    EXPECT_TRUE(label(Control::Image2)->hasScaledContents());
    click(startSquare());
    EXPECT_EQ(at(Control::Image1)->geometry(), QRect(272, 64, 80, 50));
}

// The four push buttons lie above everything, Image6 beneath everything, and
// the rest in the design's order.
TEST_F(MainFormTest, StackingOrder)
{
    const QObjectList stack = form->clientArea()->children(); // bottom first
    const auto height = [&](Control c) { return stack.indexOf(at(c)); };
    for (int i = 1; i < kibbo::kControlCount; ++i) {
        const auto upper = static_cast<Control>(i - 1);
        const auto lower = static_cast<Control>(i);
        EXPECT_GT(height(upper), height(lower)) << "controls " << i - 1 << " and " << i;
    }
    EXPECT_EQ(height(Control::Image6), 0);
}

// Fonts and colours of a sample of controls.
TEST_F(MainFormTest, FontsAndColours)
{
    const QFont button = at(Control::KeySettei)->font();
    EXPECT_EQ(button.family(), "IPAPGothic");
    EXPECT_EQ(button.pixelSize(), 13);
    const QFont score = at(Control::Label19)->font();
    EXPECT_EQ(score.family(), "IPAPMincho");
    EXPECT_TRUE(score.bold());
    EXPECT_EQ(at(Control::Label19)->palette().color(QPalette::WindowText), QColor(0x80, 0x40, 0x00));
    EXPECT_EQ(at(Control::TxtTyp0)->font().pixelSize(), 21);
    EXPECT_TRUE(at(Control::TxtTyp0)->font().bold());
    EXPECT_EQ(at(Control::TxtTyp2)->font().family(), "IPAPMincho");
    EXPECT_FALSE(at(Control::TxtTyp2)->font().bold());
    EXPECT_EQ(label(Control::Label10)->text(), "19:00");
    EXPECT_EQ(label(Control::Label18)->text(), "Kibbo");
    EXPECT_EQ(label(Control::Label14)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(label(Control::TxtTyp2)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

// A label shows the picture beneath it where it has no text.
TEST_F(MainFormTest, LabelsPaintNoBackground)
{
    const QImage shot = form->clientArea()->grab().toImage();
    // Inside the empty guide label and the empty time-limit label.
    EXPECT_EQ(shot.pixelColor(100, 130), ColourOf("ani/wall.gif"));
    EXPECT_EQ(shot.pixelColor(290, 178), ColourOf("ani/wall.gif"));
    // The margin around the background picture is the window's red.
    EXPECT_EQ(shot.pixelColor(3, 3), QColor(255, 0, 0));
}

// Push buttons: flat white faces, focus order keySettei, Howto, Version_btn,
// Score_btn, with keySettei focused at the start.
TEST_F(MainFormTest, MenuButtonsFocusOrder)
{
    EXPECT_EQ(form->focusWidget(), at(Control::KeySettei));
    EXPECT_EQ(at(Control::KeySettei)->nextInFocusChain(), at(Control::Howto));
    EXPECT_EQ(at(Control::Howto)->nextInFocusChain(), at(Control::VersionBtn));
    EXPECT_EQ(at(Control::VersionBtn)->nextInFocusChain(), at(Control::ScoreBtn));
    EXPECT_EQ(at(Control::KeySettei)->grab().toImage().pixelColor(5, 12), QColor(255, 255, 255));
}

// Pictures are found under the program's folder, not the current directory.
TEST_F(MainFormTest, PicturesComeFromTheProgramFolder)
{
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkpath("ani");
    QImage other(600, 400, QImage::Format_RGB32);
    other.fill(Qt::white);
    other.save(elsewhere.filePath("ani/wall2.gif"), "PNG");
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    form->loadPicture(Control::Image6, kibbo::kPlayWall);
    QDir::setCurrent(before);
    EXPECT_EQ(pictureColour(Control::Image6), ColourOf("ani/wall2.gif"));
}

// A missing picture leaves the control empty and says which file on one line.
TEST_F(MainFormTest, MissingPictureWarnsAndShowsNothing)
{
    click(startSquare());
    ASSERT_FALSE(label(Control::Image1)->pixmap().isNull());
    testing::internal::CaptureStderr();
    form->loadPicture(Control::Image1, "pics\\nothere.gif");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(path("pics/nothere.gif")), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_TRUE(label(Control::Image1)->pixmap().isNull());

    // Loaded again (as the walker's frames are, every tick), it warns no more.
    testing::internal::CaptureStderr();
    form->loadPicture(Control::Image1, "pics\\nothere.gif");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// A file that is there but no picture is treated like a missing one.
TEST_F(MainFormTest, UnreadablePictureWarns)
{
    QFile bad(dir.filePath("ani/wall2.gif"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    testing::internal::CaptureStderr();
    form->loadPicture(Control::Image6, kibbo::kPlayWall);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("wall2.gif"), std::string::npos) << err;
    EXPECT_TRUE(label(Control::Image6)->pixmap().isNull());
}

// The outline is the rounded region of the window's outer size.
TEST_F(MainFormTest, RoundedOutline)
{
    EXPECT_EQ(form->mask(), kibbo::RoundedWindowRegion(617 * 15, 418 * 15, 15, 15));
}

// Timer1 ticks every 100 ms precisely, and enabling it while it runs does not
// restart its period.
TEST_F(MainFormTest, Timer1)
{
    EXPECT_EQ(form->timer1().interval(), 100);
    EXPECT_EQ(form->timer1().timerType(), Qt::PreciseTimer);
    form->setTimer1Enabled(true);
    ASSERT_TRUE(form->timer1().isActive());
    // Once half the period has gone, enabling again leaves the rest of it:
    // no event runs between the two calls, so the timer cannot have fired.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->timer1().remainingTime() <= 50; }));
    form->setTimer1Enabled(true);
    EXPECT_LE(form->timer1().remainingTime(), 50);
    form->setTimer1Enabled(false);
    EXPECT_FALSE(form->timer1().isActive());
}

// Presses and moves with any button on the margin or on Image6 move the
// window with the pointer; the grab offset is kept.
TEST_F(MainFormTest, DragOnBackgroundMovesTheWindow)
{
    form->move(100, 100);
    for (QWidget* surface : {form->clientArea(), at(Control::Image6)}) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            const QPoint start = form->pos();
            sendMouse(surface, QEvent::MouseButtonPress, {3, 4}, button, button);
            EXPECT_EQ(form->drag().isDragging, 1);
            EXPECT_EQ(form->drag().dragStartX, 45);
            EXPECT_EQ(form->drag().dragStartY, 60);
            sendMouse(surface, QEvent::MouseMove, {23, 14}, Qt::NoButton, button);
            EXPECT_EQ(form->pos(), start + QPoint(20, 10));
            sendMouse(surface, QEvent::MouseButtonRelease, {3, 4}, button, Qt::NoButton);
            EXPECT_EQ(form->drag().isDragging, 0);
        }
    }
}

// A release ends the drag; the next move leaves the window where it is.
TEST_F(MainFormTest, ReleaseEndsTheDrag)
{
    form->move(100, 100);
    QWidget* surface = at(Control::Image6);
    sendMouse(surface, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(surface, QEvent::MouseButtonPress, {50, 50}, Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
    sendMouse(surface, QEvent::MouseButtonRelease, {50, 50}, Qt::RightButton, Qt::LeftButton);
    sendMouse(surface, QEvent::MouseMove, {80, 90}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form->pos(), QPoint(100, 100));
}

// Presses on labels, pictures and buttons do not drag.
TEST_F(MainFormTest, NoDragFromControls)
{
    form->move(100, 100);
    for (Control c : {Control::Label3, Control::LimitTime, Control::TxtTyp0, Control::Image1,
                      Control::Image3, Control::KeySettei, Control::FinishBtn}) {
        QWidget* w = at(c);
        const QPoint local(2, 2);
        const QPoint clientPos = w->mapTo(form->clientArea(), local);
        ASSERT_EQ(hit(clientPos), w) << "control " << static_cast<int>(c);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            sendMouse(w, QEvent::MouseButtonPress, local, button, button);
            EXPECT_EQ(form->drag().isDragging, 0) << "control " << static_cast<int>(c);
            sendMouse(w, QEvent::MouseMove, local + QPoint(30, 30), Qt::NoButton, button);
            EXPECT_EQ(form->pos(), QPoint(100, 100)) << "control " << static_cast<int>(c);
            if (c != Control::FinishBtn)
                sendMouse(w, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
        }
    }
}

namespace {

void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text)
{
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

} // namespace

// On the title screen a key is no keystroke of the game, and the focused
// menu button still takes Space as a click.
TEST_F(MainFormTest, KeysOnTheTitleOnlyPressTheFocusedButton)
{
    QWidget* focused = form->focusWidget();
    ASSERT_EQ(focused, at(Control::KeySettei));
    int clicks = 0;
    QObject::connect(qobject_cast<QPushButton*>(focused), &QPushButton::clicked, [&] { ++clicks; });

    SendKey(focused, QEvent::KeyPress, Qt::Key_A, "a");
    SendKey(focused, QEvent::KeyRelease, Qt::Key_A, "a");
    SendKey(focused, QEvent::KeyPress, Qt::Key_Space, " ");
    SendKey(focused, QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->game().state().missCount, 0);
    EXPECT_EQ(form->game().state().typeCount, 0);
    EXPECT_TRUE(sound.requests.empty()) << "no bark on the title";
}

// During play every character is judged once, whichever control has the
// focus; keys without a character are not judged.
TEST_F(MainFormTest, KeysDuringPlayAreJudgedOnce)
{
    click(startSquare());
    QWidget* receiver = form->focusWidget() ? form->focusWidget() : form.get();
    const QString guide = label(Control::TxtTyp2)->text();
    ASSERT_FALSE(guide.isEmpty());
    SendKey(receiver, QEvent::KeyPress, Qt::Key_unknown, guide.left(1));
    EXPECT_EQ(form->game().state().typeCount, 1);
    EXPECT_EQ(label(Control::TxtTyp2)->text(), guide.mid(1)) << "the guide shrinks from the left";
    SendKey(receiver, QEvent::KeyPress, Qt::Key_Backspace, "\b");
    EXPECT_EQ(form->game().state().missCount, 1);
    SendKey(receiver, QEvent::KeyPress, Qt::Key_Shift, "");
    EXPECT_EQ(form->game().state().missCount, 1);
    EXPECT_EQ(form->game().state().typeCount, 1);
}

// Timer1 runs the game's tick: the clock, the countdown and the walker move.
TEST_F(MainFormTest, Timer1DrivesTheTick)
{
    click(startSquare());
    const int before = form->game().state().dogIndex;
    QSignalSpy ticks(&form->timer1(), &QTimer::timeout);
    ASSERT_TRUE(ticks.wait());
    EXPECT_NE(form->game().state().dogIndex, before);
    EXPECT_GT(form->game().state().walkFrame + form->game().state().minuteTicks, 0);
    EXPECT_FALSE(label(Control::LimitTime)->text().isEmpty());
}

// A guide wider than its label is squeezed to fit, never clipped.
TEST_F(MainFormTest, LongGuideIsCondensedToFit)
{
    auto* guide = qobject_cast<kibbo::FitLabel*>(at(Control::TxtTyp2));
    ASSERT_NE(guide, nullptr);
    form->setCaption(Control::TxtTyp2, u"kai");
    EXPECT_EQ(guide->condensing(), 1.0);
    form->setCaption(Control::TxtTyp2, u"ooruddoinnguriltusyusi-pudoltuguooruddo");
    EXPECT_LT(guide->condensing(), 1.0);
    EXPECT_GT(guide->condensing(), 0.3);
    EXPECT_FALSE(guide->wordWrap());
}

// The second click of a double click on Start lands where Top_btn appears:
// it must not take the player straight back to the title.
TEST_F(MainFormTest, DoubleClickOnStartStaysInTheGame)
{
    QWidget* start = at(Control::StartBtn);
    sendMouse(start, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(start, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(form->game().state().screen, kibbo::Screen::Play);
    QWidget* top = hit(startSquare());
    ASSERT_EQ(top, at(Control::TopBtn));
    sendMouse(top, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(top, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form->game().state().screen, kibbo::Screen::Play);
    // A real press on Top_btn afterwards still works.
    click(startSquare());
    EXPECT_EQ(form->game().state().screen, kibbo::Screen::Title);
}

// The window takes keys with the input method off.
TEST_F(MainFormTest, InputMethodOff)
{
    EXPECT_FALSE(form->testAttribute(Qt::WA_InputMethodEnabled));
    for (int i = 0; i < kibbo::kControlCount; ++i)
        EXPECT_FALSE(at(static_cast<Control>(i))->testAttribute(Qt::WA_InputMethodEnabled));
}
