// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form2.h"
#include "ui/FrmAbout.h"

#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>

#include <string>

using kibbo::Form2;
using kibbo::FrmAbout;

namespace {

using kibbo::test::TestPicture;

// The pictures the two windows show.
const TestPicture kPictures[] = {
    {"ani/cap.gif", {400, 279}, QColor(20, 120, 220)},
    {"ani/b_kaisi.gif", {48, 47}, QColor(250, 150, 150)},
    {"ani/b_home.gif", {48, 47}, QColor(250, 150, 200)},
    {"ani/b_saityousen.gif", {48, 47}, QColor(250, 200, 150)},
    {"ani/b_syuuryou.gif", {48, 47}, QColor(200, 150, 250)},
    {"ani/icon.gif", {32, 32}, QColor(240, 220, 20)},
};

class InfoWindowTest : public ::testing::Test {
protected:
    InfoWindowTest()
    {
        kibbo::test::WritePictures(QDir(dir.path()), kPictures);
    }

    ~InfoWindowTest() override { delete window.data(); }

    std::string folder() const { return dir.path().toStdString(); }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The colour of the picture a label holds, invalid for none.
    QColor pictureColour(const char* name) const
    {
        const QPixmap pixmap = child<QLabel>(name)->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }

    // Whether the window is gone once deferred deletions have run.
    bool destroyed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    QTemporaryDir dir;
    QPointer<QWidget> window;
};

} // namespace

// The how-to-play window shows the play-screen picture at its place, at the
// picture's own size, and the four picture buttons in the right-hand column.
TEST_F(InfoWindowTest, Form2ShowsItsPictures)
{
    window = new Form2(folder());
    window->show();
    EXPECT_EQ(window->size(), QSize(532, 372));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("操作方法"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_EQ(child<QLabel>("Image1")->geometry(), QRect(16, 80, 400, 279));
    EXPECT_EQ(pictureColour("Image1"), kPictures[0].colour);
    const char* buttons[] = {"Image2", "Image3", "Image4", "Image5"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pictureColour(buttons[i]), kPictures[i + 1].colour) << buttons[i];
        EXPECT_EQ(child<QLabel>(buttons[i])->geometry(), QRect(424, 112 + 48 * i, 48, 47)) << buttons[i];
    }
}

// Without ani\\cap.gif the window still opens, with an empty picture area.
TEST_F(InfoWindowTest, Form2OpensWithoutTheScreenPicture)
{
    QFile::remove(dir.filePath("ani/cap.gif"));
    window = new Form2(folder());
    window->show();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(pictureColour("Image1").isValid());
    EXPECT_EQ(pictureColour("Image2"), kPictures[1].colour);
}

// The callouts lie above the screen picture, and the red boxes are opaque
// with white text while the plain labels let the background through.
TEST_F(InfoWindowTest, Form2CalloutsCoverThePicture)
{
    window = new Form2(folder());
    window->show();
    const QImage shot = window->grab().toImage();
    // Label8 ("the dog's time limit") lies over the picture.
    const QLabel* label8 = child<QLabel>("Label8");
    EXPECT_EQ(label8->geometry(), QRect(168, 232, 129, 49));
    EXPECT_EQ(shot.pixelColor(label8->geometry().bottomRight() - QPoint(1, 1)), QColor(192, 0, 0));
    // Line1 runs from (2040, 2760) to (1800, 2520) twips over the picture,
    // in the window-text colour; its middle is (1920, 2640).
    EXPECT_EQ(shot.pixelColor(128, 176), window->palette().color(QPalette::WindowText));
    // Plain text labels have no background of their own.
    const QLabel* label2 = child<QLabel>("Label2");
    EXPECT_FALSE(label2->autoFillBackground());
    EXPECT_EQ(shot.pixelColor(label2->geometry().bottomRight()), QColor(239, 174, 174));
    EXPECT_EQ(child<QLabel>("Label11")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

// OK closes and destroys the how-to-play window.
TEST_F(InfoWindowTest, Form2OkCloses)
{
    window = new Form2(folder());
    window->show();
    auto* form = static_cast<Form2*>(window.data());
    EXPECT_EQ(form->okButton()->geometry(), QRect(464, 336, 49, 25));
    form->okButton()->click();
    EXPECT_TRUE(destroyed());
}

// The version window sits with its client area at (2340, 1935) twips on the
// screen, at its design size, out of the task bar.
TEST_F(InfoWindowTest, AboutPlacementAndLook)
{
    window = new FrmAbout(folder(), folder() + "/data");
    window->show();
    EXPECT_EQ(window->geometry(), QRect(156, 129, 382, 237));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    EXPECT_EQ(child<QLabel>("lblTitle")->text(), "KIBBO");
    // The version is the project's ("Version 1.00" for 1.00), not a caption
    // of its own.
    EXPECT_EQ(child<QLabel>("lblVersion")->text(), QStringLiteral("Version " KIBBO_VERSION));
    EXPECT_EQ(child<QLabel>("Label3")->text(), QString::fromUtf8("バグ等ありましたらお知らせください"));
    EXPECT_EQ(child<QLabel>("Label4")->text(), "Special Thanks ");
    // The player can find their own files from here.
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().endsWith(QString::fromStdString(folder() + "/data")));
    EXPECT_EQ(pictureColour("Picture1"), kPictures[5].colour);
    EXPECT_TRUE(child<QLineEdit>("Text1")->isReadOnly());
    EXPECT_TRUE(child<QLineEdit>("Text2")->isReadOnly());
    EXPECT_EQ(static_cast<FrmAbout*>(window.data())->okButton()->geometry(), QRect(283, 192, 92, 23));
}

// OK is the default and the cancel button: the OK button, Enter and Esc all
// close and destroy the version window, wherever the focus is.
TEST_F(InfoWindowTest, AboutClosesOnOkEnterAndEsc)
{
    struct Way {
        const char* name;
        int key;
    };
    for (const Way way : {Way{"OK", 0}, Way{"Enter", Qt::Key_Return}, Way{"keypad Enter", Qt::Key_Enter},
                          Way{"Esc", Qt::Key_Escape}}) {
        window = new FrmAbout(folder(), folder() + "/data");
        window->show();
        auto* about = static_cast<FrmAbout*>(window.data());
        if (way.key == 0) {
            about->okButton()->click();
        } else {
            // From the read-only text box as well as from the button.
            QKeyEvent press(QEvent::KeyPress, way.key, Qt::NoModifier);
            QApplication::sendEvent(child<QLineEdit>("Text1"), &press);
        }
        EXPECT_TRUE(destroyed()) << way.name;
    }
}

// The close box closes it too, and the window does not outlive its closing.
TEST_F(InfoWindowTest, AboutClosesFromTheCloseBox)
{
    window = new FrmAbout(folder(), folder() + "/data");
    window->show();
    window->close();
    EXPECT_TRUE(destroyed());
}
