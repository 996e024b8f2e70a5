// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreBoardStart.h"

#include "scores/ScoreFiles.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 5715;
constexpr int kClientHeight = 4440;
// The rows sit higher than in the entry window, which has its name line
// above them.
constexpr int kFirstRowTop = 1080;

const char16_t* const kNoRanking = u"まだランキングはありません";
const char16_t* const kDamagedRanking = u"ランキングの一部を読めませんでした";
const char16_t* const kUnreadableRanking = u"ランキングを読めませんでした";

constexpr DesignControl kDesign[] = {
    // Left of OK, below the last row, and after OK in the tab order.
    {"kiroku", DesignKind::PushButton, 3720, 3840, 735, 375, u"記録"},
    {"Command1", DesignKind::PushButton, 4560, 3840, 735, 375, u"OK"},
    // Between the title and the first row.
    {"Note", DesignKind::Label, 120, 720, 5535, 255, {}, kNoFont, nullptr, DesignAlign::Centre},
    {"Title", DesignKind::Label, 120, 240, 5535, 375, u"得点ランキング", kNoFont, nullptr, DesignAlign::Centre},
};

} // namespace

ScoreBoardStart::ScoreBoardStart(const Loaded<Ranking>& ranking, Input input)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_rows(this, kFirstRowTop)
{
    SetUpWindow(*this, {.name = "ScoreBoardStart",
                        .title = QStringLiteral("Form3"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .sizable = true,
                        .whiteButtons = true});

    createControls();
    if (input == Input::Kana)
        m_title->setText(m_title->text() + ToQString(kKanaInputMark));
    loadRanking(ranking);
}

void ScoreBoardStart::createControls()
{
    const DesignWidgets made = CreateDesignControls(kDesign, *this);
    m_command1 = made.get<QPushButton>("Command1");
    connect(m_command1, &QPushButton::clicked, this, &QWidget::close);
    m_command1->setFocus();
    m_kiroku = made.get<QPushButton>("kiroku");
    connect(m_kiroku, &QPushButton::clicked, this, &ScoreBoardStart::recordsRequested);
    m_note = made.get<QLabel>("Note");
    m_title = made.get<QLabel>("Title");
}

void ScoreBoardStart::loadRanking(const Loaded<Ranking>& read)
{
    // What could be read is shown either way; the note only says why places
    // are empty.
    m_rows.show(read.value);
    if (read.state == ReadState::Missing)
        m_note->setText(ToQString(kNoRanking));
    else if (read.state == ReadState::Damaged)
        m_note->setText(ToQString(kDamagedRanking));
    else if (read.state != ReadState::Loaded)
        m_note->setText(ToQString(kUnreadableRanking));
    m_note->setVisible(!m_note->text().isEmpty());
}

} // namespace kibbo
