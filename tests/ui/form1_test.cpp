// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/KeyPrefs.h"
#include "support/StoreAt.h"
#include "ui/Form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

using kibbo::Form1;
using kibbo::KeyPrefs;

namespace {

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
    {
        QDir(dir.path()).mkpath("data");
        store.emplace(dir.path().toStdString() + "/data");
    }

    ~Form1Test() override { delete form.data(); }

    std::string keyIni() const { return dir.filePath("data/key.ini").toStdString(); }

    void writePrefs(const KeyPrefs& prefs)
    {
        ASSERT_TRUE(kibbo::WriteFileAtomically(keyIni(), kibbo::FormatKeyPrefs(prefs)));
    }

    std::string fileBytes() const { return kibbo::ReadWholeFile(keyIni()).value_or("<missing>"); }

    // Opens the dialog the way the menu does: created, then shown.
    void open()
    {
        form = new Form1(store->keeper());
        form->show();
    }

    // What the player sees in a box: the text field's content.
    QString shown(int slot) const { return form->combo(slot)->currentText(); }

    // Types text into a box's field the way the keyboard does.
    void typeInto(int slot, const QString& text)
    {
        QLineEdit* field = form->combo(slot)->lineEdit();
        field->selectAll();
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }

    QTemporaryDir dir;
    // Saves at once, so that each press shows its result before it returns.
    std::optional<kibbo::test::StoreAt> store;
    QPointer<Form1> form;
};

KeyPrefs Zeros()
{
    return KeyPrefs{};
}

} // namespace

// The file is read when the dialog opens: with every slot 0, each box shows
// its slot's first spelling.
TEST_F(Form1Test, ZerosShowTheStandardSpellings)
{
    writePrefs(Zeros());
    open();
    const char* expected[] = {"SI", "TI", "TU", "HU", "NN", "JI", "SYA"};
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(form->combo(slot)->currentIndex(), 0) << slot;
        EXPECT_EQ(shown(slot), expected[slot]) << slot;
    }
    EXPECT_EQ(shown(31), "WI");
    EXPECT_EQ(shown(42), "DHO");
}

// Every box lists two spellings up to slot 30 and three from slot 31, and is
// a drop-down box the player may type into.
TEST_F(Form1Test, BoxesListTheSlotSpellings)
{
    writePrefs(Zeros());
    open();
    for (int slot = 0; slot < kibbo::kKeyPrefSlots; ++slot) {
        EXPECT_EQ(form->combo(slot)->count(), slot <= 30 ? 2 : 3) << slot;
        EXPECT_TRUE(form->combo(slot)->isEditable()) << slot;
    }
    EXPECT_EQ(form->combo(0)->itemText(1), "SHI");
    EXPECT_EQ(form->combo(4)->itemText(1), "N");
    EXPECT_EQ(form->combo(31)->itemText(2), "UXI");
}

// Choosing the second spelling of slot 0 and pressing Apply writes 1 on the
// first line; the dialog stays open with its choices.
TEST_F(Form1Test, ApplyWritesTheChosenPositions)
{
    writePrefs(Zeros());
    open();
    form->combo(0)->setCurrentIndex(1);
    form->applyButton()->click();

    KeyPrefs expected = Zeros();
    expected[0] = 1;
    EXPECT_EQ(fileBytes().substr(0, 5), " 1 \r\n");
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(expected));
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shown(0), "SHI");
}

// OK saves like Apply and then closes and destroys the dialog.
TEST_F(Form1Test, OkSavesAndCloses)
{
    writePrefs(Zeros());
    open();
    form->combo(31)->setCurrentIndex(2);
    form->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    KeyPrefs expected = Zeros();
    expected[31] = 2;
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(expected));
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes.substr(31 * 5, 5), " 2 \r\n");
    EXPECT_TRUE(form.isNull());
}

// OK without any change writes the very bytes the dialog read.
TEST_F(Form1Test, OkWithoutChangesRewritesTheSameFile)
{
    KeyPrefs prefs = Zeros();
    for (int slot = 0; slot < kibbo::kKeyPrefSlots; ++slot)
        prefs[slot] = static_cast<std::int16_t>(slot % (slot <= 30 ? 2 : 3));
    prefs[7] = -1;
    writePrefs(prefs);
    const std::string before = fileBytes();
    open();
    form->okButton()->click();
    EXPECT_EQ(fileBytes(), before);
}

// Text typed over a box is no choice: Apply saves -1 for it, and the box
// opens empty the next time.
TEST_F(Form1Test, TypedOverBoxSavesMinusOneAndReopensEmpty)
{
    writePrefs(Zeros());
    open();
    typeInto(3, "FOO");
    EXPECT_EQ(shown(3), "FOO");
    form->applyButton()->click();

    KeyPrefs expected = Zeros();
    expected[3] = -1;
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(expected));
    EXPECT_EQ(form->combo(3)->count(), 2) << "typed text is never added to the list";

    form->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open();
    EXPECT_EQ(form->combo(3)->currentIndex(), -1);
    EXPECT_EQ(shown(3), "");
    EXPECT_EQ(shown(2), "TU");
}

// Typing a different spelling's text is still typing, not choosing: only
// an entry picked from the list counts.
TEST_F(Form1Test, TypedSpellingIsNotAChoice)
{
    writePrefs(Zeros());
    open();
    typeInto(0, "SH");
    form->applyButton()->click();
    KeyPrefs expected = Zeros();
    expected[0] = -1;
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(expected));
}

// A stored value that is no position of the box's list shows the box empty,
// and the next Apply saves -1 for it.
TEST_F(Form1Test, InvalidStoredValueShowsNothingSelected)
{
    KeyPrefs prefs = Zeros();
    prefs[0] = 2;  // two-spelling slot
    prefs[31] = 7;
    prefs[40] = -5;
    prefs[41] = -1;
    writePrefs(prefs);
    open();
    for (int slot : {0, 31, 40, 41}) {
        EXPECT_EQ(form->combo(slot)->currentIndex(), -1) << slot;
        EXPECT_EQ(shown(slot), "") << slot;
    }
    form->applyButton()->click();
    KeyPrefs expected = Zeros();
    for (int slot : {0, 31, 40, 41})
        expected[slot] = -1;
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(expected));
}

// When the file cannot be written the dialog says so, stays open even on OK,
// and the old file is left as it was.
TEST_F(Form1Test, FailedSaveKeepsDialogOpenAndFileWhole)
{
    writePrefs(Zeros());
    const std::string before = fileBytes();
    open();
    EXPECT_FALSE(form->saveMessage()->isVisible());
    QFile::setPermissions(dir.filePath("data"), QFile::ReadOwner | QFile::ExeOwner);
    // The superuser writes into read-only folders; for it the missing folder
    // case below is the failure to look at.
    if (QFile file(dir.filePath("data/probe")); file.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "the data folder stays writable for this user";

    form->combo(0)->setCurrentIndex(1);
    form->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->saveMessage()->isVisible());
    EXPECT_EQ(fileBytes(), before);

    // Once the folder is writable again, Apply succeeds and the message goes.
    QFile::setPermissions(dir.filePath("data"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    form->applyButton()->click();
    EXPECT_FALSE(form->saveMessage()->isVisible());
    EXPECT_EQ(fileBytes().substr(0, 5), " 1 \r\n");
}

// Without a data folder there is nothing to read or write: the boxes show
// the standard spellings, and OK reports the failure and keeps the dialog.
TEST_F(Form1Test, MissingDataFolderReportsTheFailure)
{
    QDir(dir.path()).rmdir("data");
    open();
    EXPECT_EQ(shown(0), "SI");
    form->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->saveMessage()->isVisible());
    EXPECT_FALSE(QFile::exists(dir.filePath("data/key.ini")));
}

// The window keeps the design's size and places: 15 twips to the pixel.
TEST_F(Form1Test, GeometryFollowsTheDesign)
{
    writePrefs(Zeros());
    open();
    EXPECT_EQ(form->size(), QSize(441, 384));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->applyButton()->geometry(), QRect(328, 352, 81, 25));
    EXPECT_EQ(form->okButton()->geometry(), QRect(240, 352, 73, 25));
    // Boxes sit in the frame: column 1's last row and column 3's first.
    const QWidget* frame = form->findChild<QWidget*>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(16, 16, 409, 321));
    EXPECT_EQ(form->combo(21)->parentWidget(), frame);
    EXPECT_EQ(form->combo(21)->geometry(), QRect(128, 288, 57, 20));
    EXPECT_EQ(form->combo(31)->geometry(), QRect(320, 24, 57, 20));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("ユーザーキー設定"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
}

// Tab walks the boxes in slot order, then the any-spelling box, then OK,
// then Apply.
TEST_F(Form1Test, TabOrderFollowsTheSlots)
{
    writePrefs(Zeros());
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->combo(0)->setFocus();
    auto focused = [] {
        // An editable box takes the focus into its text field.
        QWidget* w = QApplication::focusWidget();
        return w && qobject_cast<QLineEdit*>(w) ? w->parentWidget() : w;
    };
    auto tab = [] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    };
    ASSERT_EQ(focused(), form->combo(0));
    for (int slot = 1; slot < kibbo::kKeyPrefSlots; ++slot) {
        tab();
        EXPECT_EQ(focused(), form->combo(slot)) << slot;
    }
    tab();
    EXPECT_EQ(focused(), form->anySpelling());
    tab();
    EXPECT_EQ(focused(), form->optionsButton());
    tab();
    EXPECT_EQ(focused(), form->okButton());
    tab();
    EXPECT_EQ(focused(), form->applyButton());
}

// The any-spelling box shows options.ini and Apply saves it there, keeping
// the file's other keys; key.ini keeps exactly its 43 lines.
TEST_F(Form1Test, AnySpellingBoxLivesInItsOwnFile)
{
    writePrefs(Zeros());
    const std::string options = dir.filePath("data/options.ini").toStdString();
    open();
    EXPECT_FALSE(form->anySpelling()->isChecked()) << "no file: off";
    form->close();
    ASSERT_TRUE(kibbo::WriteFileAtomically(options, "any_spelling=1\r\nlater=x\r\n"));
    open();
    EXPECT_TRUE(form->anySpelling()->isChecked());
    form->anySpelling()->setChecked(false);
    form->applyButton()->click();
    EXPECT_EQ(kibbo::ReadWholeFile(options).value_or(""), "any_spelling=0\r\nlater=x\r\n");
    form->anySpelling()->setChecked(true);
    form->okButton()->click();
    EXPECT_EQ(kibbo::ReadWholeFile(options).value_or(""), "any_spelling=1\r\nlater=x\r\n");
    EXPECT_EQ(fileBytes(), kibbo::FormatKeyPrefs(Zeros()));
}

// The box and the failure message cover no control of the design.
TEST_F(Form1Test, AddedControlsCoverNothing)
{
    writePrefs(Zeros());
    open();
    form->saveMessage()->show();
    for (QWidget* added : {static_cast<QWidget*>(form->anySpelling()), static_cast<QWidget*>(form->saveMessage())}) {
        const QRect area(added->mapTo(form, QPoint(0, 0)), added->size());
        for (QWidget* other : form->findChildren<QWidget*>()) {
            if (other == added || other->isAncestorOf(added) || added->isAncestorOf(other)
                || other->parentWidget() == form->combo(0) || !other->isVisible() || other->objectName() == "Frame1")
                continue;
            if (qobject_cast<QLineEdit*>(other))
                continue; // inside its box, which is checked itself
            const QRect rect(other->mapTo(form, QPoint(0, 0)), other->size());
            EXPECT_FALSE(area.intersects(rect)) << added->metaObject()->className() << " covers "
                                                << other->metaObject()->className() << " "
                                                << other->objectName().toStdString();
        }
    }
    const QWidget* frame = form->findChild<QWidget*>("Frame1");
    const QRect frameRect(frame->mapTo(form, QPoint(0, 0)), frame->size());
    EXPECT_FALSE(frameRect.intersects(QRect(form->anySpelling()->mapTo(form, QPoint(0, 0)), form->anySpelling()->size())));
}
