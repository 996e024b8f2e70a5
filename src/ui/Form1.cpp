// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

#include "prefs/SpellingSlots.h"
#include "ui/SaveReport.h"

#include <QByteArray>
#include <QGroupBox>
#include <QKeySequence>
#include <QStringList>

#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 6615;
constexpr int kClientHeight = 5760;
constexpr const char16_t* kCaption = u"ユーザーキー設定";

// The first slot of each of the frame's four columns; a column runs down to
// the slot before the next column's first.
constexpr int kColumnFirstSlot[] = {0, 10, 22, 31, kKeyPrefSlots};

using Kind = DesignKind;
using Align = DesignAlign;

constexpr DesignControl kDesign[] = {
    // Beside the check box, before OK: the way from the title's menu to the
    // options.
    {"Options", Kind::PushButton, 2580, 5280, 975, 375, u"オプション"},
    // Below the buttons' row on the left, where the grid leaves room.
    {"AnySpelling", Kind::CheckBox, 240, 5280, 2295, 375, u"どの綴りでも入力できる"},
    {"Command1", Kind::PushButton, 4920, 5280, 1215, 375, u"適用"},
    {"Command2", Kind::PushButton, 3600, 5280, 1095, 375, u"OK"},
};

// Made first, so that the spelling boxes come first in the focus chain.
constexpr DesignControl kFrame[] = {
    {"Frame1", Kind::GroupBox, 240, 240, 6135, 4815, kCaption},
};

enum class Unnamed { SaveMessage };

// In the grid's third column, under its nine slots, which is empty.
constexpr DesignControl kSaveMessage[] = {
    {Unnamed::SaveMessage, Kind::Label, 3000, 3720, 1335, 900, u"設定を保存できませんでした", kNoFont,
     kMessageRedColour, Align::Left, false, true},
};

} // namespace

Form1::Form1(DataKeeper& keeper)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_keeper(keeper)
{
    SetUpWindow(*this, {.name = "Form1",
                        .title = ToQString(kCaption),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)}});

    createControls();
    loadKeyPrefs();
}

void Form1::createControls()
{
    auto* frame1 = CreateDesignControls(kFrame, *this).get<QGroupBox>("Frame1");
    for (int column = 0; column < 4; ++column) {
        for (int slot = kColumnFirstSlot[column]; slot < kColumnFirstSlot[column + 1]; ++slot) {
            const SpellingSlot& choice = kSpellingSlots[static_cast<std::size_t>(slot)];
            const int top = 360 + 360 * (slot - kColumnFirstSlot[column]);
            const QByteArray name = QByteArrayLiteral("Combo1_") + QByteArray::number(slot);
            const DesignControl slotDesign[] = {
                {name.constData(), Kind::ComboBox, 480 + 1440 * column, top, 855, 300},
                // Two kana are wider than the label at this size; they are
                // narrowed to fit rather than cut off.
                {nullptr, Kind::Label, 120 + 1440 * column, top, 375, 255, choice.kana, kGothic12, nullptr,
                 Align::LeftMiddle},
            };
            auto* box = CreateDesignControls(slotDesign, *frame1).get<QComboBox>(name.constData());
            box->setEditable(true);
            // Typed text is never taken as a choice: it is not added to the
            // list, and no completion turns it into an entry behind the
            // player's back.
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            // The position in the list is the value stored for the slot.
            QStringList spellings;
            for (std::u16string_view spelling : choice.choices())
                spellings << ToQString(spelling).toUpper();
            box->addItems(spellings);
            m_combo1[static_cast<std::size_t>(slot)] = box;
        }
    }

    const DesignWidgets made = CreateDesignControls(kDesign, *this);
    m_command2 = made.get<QPushButton>("Command2");
    connect(m_command2, &QPushButton::clicked, this, [this] { apply(true); });
    m_command1 = made.get<QPushButton>("Command1");
    connect(m_command1, &QPushButton::clicked, this, [this] { apply(false); });
    m_anySpelling = made.get<QCheckBox>("AnySpelling");
    m_options = made.get<QPushButton>("Options");
    m_options->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
    connect(m_options, &QPushButton::clicked, this, &Form1::optionsRequested);

    m_saveMessage = CreateDesignControls(kSaveMessage, *frame1).get<QLabel>(Unnamed::SaveMessage);

    // Styled one by one: a style sheet on the whole window would restyle the
    // 43 boxes too and make the dialog slow to open.
    for (QPushButton* button : {m_command2, m_command1, m_options})
        button->setStyleSheet(WhiteButtonStyle());

    // The boxes in slot order, then OK, then Apply.
    QWidget* previous = m_combo1[0];
    for (int slot = 1; slot < kKeyPrefSlots; ++slot) {
        setTabOrder(previous, combo(slot));
        previous = combo(slot);
    }
    setTabOrder(previous, m_anySpelling);
    setTabOrder(m_anySpelling, m_options);
    setTabOrder(m_options, m_command2);
    setTabOrder(m_command2, m_command1);
    m_combo1[0]->setFocus();
}

void Form1::loadKeyPrefs()
{
    // A missing or short file left the standard spelling in every slot it
    // could not supply.
    m_keyPref = m_keeper.data().keyPrefs;
    for (int slot = 0; slot < kKeyPrefSlots; ++slot) {
        const int value = m_keyPref[static_cast<std::size_t>(slot)];
        // A value that is no position of the list (-1 among them) selects
        // nothing and leaves the box empty.
        combo(slot)->setCurrentIndex(value >= 0 && value < combo(slot)->count() ? value : -1);
    }
    m_anySpelling->setChecked(m_keeper.data().options.anySpelling);
}

void Form1::apply(bool closeWhenSaved)
{
    for (int slot = 0; slot < kKeyPrefSlots; ++slot) {
        const QComboBox* box = combo(slot);
        const int index = box->currentIndex();
        // Text typed over a choice is no choice.
        const bool chosen = index >= 0 && box->currentText() == box->itemText(index);
        m_keyPref[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(chosen ? index : -1);
    }
    // Held until the result arrives, so that a second press cannot save
    // older choices after newer ones.
    m_command1->setEnabled(false);
    m_command2->setEnabled(false);
    m_closeWhenSaved = closeWhenSaved;
    // The options only once the spellings are saved, as one setting.
    const Completion<SaveOutcome> show = ShowIn(this, &Form1::saved, Unsaved::KeySettings);
    DataKeeper& keeper = m_keeper;
    const bool anySpelling = m_anySpelling->isChecked();
    m_keeper.saveKeyPrefs(m_keyPref, [show, &keeper, anySpelling](const SaveOutcome& prefs) {
        if (!prefs.saved())
            show(prefs);
        else
            keeper.saveOptions([anySpelling](Options& options) { options.anySpelling = anySpelling; }, show);
    });
}

void Form1::saved(const SaveOutcome& outcome)
{
    m_command1->setEnabled(true);
    m_command2->setEnabled(true);
    m_saveMessage->setVisible(!outcome.saved());
    // The dialog stays open when the file could not be written, so that the
    // choices are not lost.
    if (outcome.saved() && m_closeWhenSaved)
        close();
}

} // namespace kibbo
