// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScoreBoard.h"

#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"

#include "ui/SaveReport.h"

#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 5535;
constexpr int kClientHeight = 4455;
constexpr int kFirstRowTop = 1200;

const char16_t* const kNameRefused = u"この名前は保存できません";
const char16_t* const kSaveFailed = u"ランキングを保存できませんでした";
const char16_t* const kLastScoreNotSaved = u"前回の得点ファイルを保存できませんでした";

using Kind = DesignKind;
using Align = DesignAlign;

constexpr DesignControl kDesign[] = {
    // Between the name line and the ranking, in plain sight of both.
    {"Message", Kind::Label, 240, 840, 5055, 255, u"", kNoFont, kMessageRedColour},
    {"Command1", Kind::PushButton, 4560, 3960, 735, 375, u"OK", kNoFont, nullptr, Align::Left, false},
    {"touroku", Kind::PushButton, 4680, 360, 615, 375, u"登録"},
    {nullptr, Kind::Label, 3960, 480, 735, 255, u"Kibbo"},
    // Like the ranking's scores, a long score is condensed, never cut.
    {"Label4", Kind::Label, 3000, 480, 855, 255, {}, kSerif12Bold, nullptr, Align::Right},
    {nullptr, Kind::Label, 2520, 480, 615, 255, u"得点"},
    {"Text1", Kind::TextBox, 1080, 480, 1215, 270, u"Nanashi"},
    {nullptr, Kind::Label, 240, 480, 735, 255, u"お名前"},
    {"Title", Kind::Label, 0, 120, 5535, 255, u"ハイスコアが更新されました！", kNoFont, nullptr, Align::Centre},
};

} // namespace

ScoreBoard::ScoreBoard(DataKeeper& keeper, std::int32_t clearedScore, Input input)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_keeper(keeper)
    , m_input(input)
    , m_rows(this, kFirstRowTop)
{
    SetUpWindow(*this, {.name = "ScoreBoard",
                        .title = QStringLiteral("ScoreBoard"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .sizable = true,
                        .whiteButtons = true});

    createControls();
    loadRanking();
    loadLastScore(clearedScore);
}

void ScoreBoard::createControls()
{
    const DesignWidgets made = CreateDesignControls(kDesign, *this);
    m_text1 = made.get<QLineEdit>("Text1");
    m_label4 = made.get<QLabel>("Label4");
    m_touroku = made.get<QPushButton>("touroku");
    connect(m_touroku, &QPushButton::clicked, this, &ScoreBoard::registerEntry);
    m_command1 = made.get<QPushButton>("Command1");
    connect(m_command1, &QPushButton::clicked, this, &ScoreBoard::saveAndClose);
    m_message = made.get<QLabel>("Message");
    m_title = made.get<QLabel>("Title");
    if (m_input == Input::Kana)
        m_title->setText(m_title->text() + ToQString(kKanaInputMark));
    // Said as written, never read as markup.
    m_message->setTextFormat(Qt::PlainText);

    setTabOrder(m_text1, m_touroku);
    setTabOrder(m_touroku, m_command1);
    m_text1->setFocus();
}

void ScoreBoard::loadRanking()
{
    // A missing file reads as seven empty places and a damaged one keeps
    // what could be read; the first OK writes a whole file either way.
    m_ranking = m_keeper.data().rankingOf(m_input).value;
    m_rows.show(m_ranking);
}

void ScoreBoard::loadLastScore(std::int32_t clearedScore)
{
    // The game hands the score over through the last-score file. When it could
    // not write the file, what is there is an older game's score, which must
    // never be registered in place of this one.
    const Loaded<std::int32_t>& lastScore = m_keeper.data().lastScore;
    if (lastScore.state == ReadState::Loaded && lastScore.value == clearedScore) {
        m_newScore = lastScore.value;
    } else {
        m_newScore = clearedScore;
        m_openingNote = ToQString(kLastScoreNotSaved);
    }
    m_label4->setText(ScoreText(m_newScore));
    showMessage(m_openingNote);
}

void ScoreBoard::registerEntry()
{
    // The name is taken as typed, blanks and all, and may be empty; only a
    // name the file cannot hold is sent back to be mended.
    std::u16string name = m_text1->text().toStdU16String();
    if (!IsStorableName(name)) {
        showMessage(ToQString(kNameRefused));
        return;
    }
    m_entryName = name;
    InsertRankEntry(m_ranking, m_newScore, std::move(name));
    m_rows.show(m_ranking);
    showMessage(m_openingNote);
    m_touroku->hide();
    m_command1->show();
    m_command1->setFocus();
}

void ScoreBoard::saveAndClose()
{
    // Replacing the file waits until the disk has it, which can take longer
    // than a frame; it is written beside the window, which goes on drawing.
    // The window holds OK until the file is there. The entry goes into the
    // ranking as the file holds it now: another game on the same data folder
    // may have registered since this window read it.
    m_command1->setEnabled(false);
    m_keeper.registerScore(m_input, m_newScore, m_entryName, ShowIn(this, &ScoreBoard::finishSave, Unsaved::RankingEntry));
}

void ScoreBoard::finishSave(const Registration& registration)
{
    // A failed save keeps the window open with OK, so that nothing is lost
    // and the player can try again once the folder is writable.
    if (!registration.outcome.saved()) {
        showMessage(ToQString(kSaveFailed));
        m_command1->setEnabled(true);
        m_command1->setFocus();
        return;
    }
    close();
}

void ScoreBoard::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace kibbo
