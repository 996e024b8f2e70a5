// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RecordsWindow.h"

#include "scores/History.h"
#include "typing/Guide.h"
#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/SaveReport.h"

#include <QBarSeries>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChartView>
#include <QDate>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 9600;
constexpr int kClientHeight = 10440;
constexpr int kChartTop = 720, kChartHeight = 4320;
constexpr int kKeyboardTop = 5160;
constexpr int kShadingTop = 7620;
constexpr int kWorstTop = 7980;
constexpr int kWeakTop = 8340;
constexpr int kPracticeTop = 8760;
constexpr int kChosenTop = 9180;
constexpr std::size_t kWorstKeyCount = 5;
// Room for a date such as "12/31" under the chart's kRecentGames games.
constexpr std::size_t kGamesUnderALabel = 5;

const char16_t* const kTitle = u"最近 %1 ゲームの記録";
const char16_t* const kLoading = u"記録を読み込んでいます…";
const char16_t* const kNoGames = u"まだ記録はありません。ゲームを遊ぶと、ここに速さとミスの記録が出ます。";
const char16_t* const kDamaged = u"記録の一部を読めませんでした";
const char16_t* const kWorstCaption = u"ミスの多いキー：";
const char16_t* const kSpeedName = u"速さ（字/分）";
const char16_t* const kMistypesName = u"ミス";
const char16_t* const kShadingCaption = u"キーの色：";
const char16_t* const kByMistypes = u"ミスの割合";
const char16_t* const kByTime = u"打つ時間";
const char16_t* const kWeakCaption = u"苦手なキー：";
const char16_t* const kNoneYet = u"まだありません";
const char16_t* const kPracticeCaption = u"苦手なキーを練習する";
const char16_t* const kNotJudgedYet =
    u"どのキーもまだ判定できません。キーは最近のゲームで 20 回打つと判定され、それまでは練習にしても普通のゲームと同じです。";
const char16_t* const kNotSaved = u"設定を保存できませんでした";
const char16_t* const kChosenCaption = u"練習に選んだキー：";
const char16_t* const kChoosingHint = u"なし（キーボードのキーをクリックすると選べます）";
// The frame of a key chosen to practise.
const QColor kChosenColour(32, 96, 192);

// The keys of a Japanese keyboard that the guides use, with the digits for
// the eye; each row starts a little further right, as on the keyboard.
constexpr std::array<std::string_view, 4> kKeyRows = {"1234567890-", "qwertyuiop", "asdfghjkl", "zxcvbnm,."};
constexpr std::array<double, 4> kRowIndent = {0, 0.5, 0.75, 1.25};
// The keys that start the four rows of the kana layout: 1, Q, A and Z.
constexpr std::array<int, 4> kKanaRowStarts = {10, 24, 38, 52};
constexpr int kKeyPitch = 40, kKeySize = 36;
static_assert(std::ranges::all_of(kGuideKeys, [](char key) {
                  return std::ranges::any_of(kKeyRows, [key](std::string_view row) { return row.find(key) != row.npos; });
              }),
              "every key a guide asks for has a place on the keyboard");

// The colour of place 1 in the ranking: the worst key is drawn in it.
const QColor kWorstColour = DesignColour(kMessageRedColour);
const QColor kSpeedColour(0, 0, 128);
const QColor kMistypeColour(239, 120, 120);

// A key as its cap shows it: a letter in upper case, a kana as it is.
QString Legend(KeyChar key)
{
    return QString(QChar(key)).toUpper();
}

std::vector<RecordsWindow::KeyCap> KeyCapsOf(Input input)
{
    std::vector<RecordsWindow::KeyCap> caps;
    const auto add = [&caps](std::size_t row, std::size_t column, KeyChar key, KeyChar shifted) {
        const int left = static_cast<int>(std::lround((kRowIndent[row] + static_cast<double>(column)) * kKeyPitch));
        caps.push_back({QRect(left, static_cast<int>(row) * kKeyPitch, kKeySize, kKeySize), Legend(key), key, shifted});
    };
    if (input == Input::Romaji) {
        for (std::size_t row = 0; row < kKeyRows.size(); ++row) {
            for (std::size_t column = 0; column < kKeyRows[row].size(); ++column)
                add(row, column, static_cast<KeyChar>(kKeyRows[row][column]), 0);
        }
        return caps;
    }
    std::size_t row = 0, column = 0;
    for (const KanaKey& key : KanaLayout()) {
        if (const auto start = std::ranges::find(kKanaRowStarts, key.keycode); start != kKanaRowStarts.end()) {
            row = static_cast<std::size_t>(start - kKanaRowStarts.begin());
            column = 0;
        }
        add(row, column++, key.kana, key.shifted);
    }
    return caps;
}

// White mixed with the worst key's colour by the key's share of mistypes,
// measured against the worst key's share.
QColor Shade(double share, double worstShare)
{
    const double amount = worstShare > 0 ? std::clamp(share / worstShare, 0.0, 1.0) : 0.0;
    const auto mix = [amount](int from, int to) { return from + static_cast<int>(std::lround((to - from) * amount)); };
    return {mix(255, kWorstColour.red()), mix(255, kWorstColour.green()), mix(255, kWorstColour.blue())};
}

// A share or a rate; one above nothing never reads 0%.
QString Percent(double share)
{
    const long percent = std::lround(share * 100);
    return percent == 0 && share > 0 ? QStringLiteral("<1%") : QStringLiteral("%1%").arg(percent);
}

QString Milliseconds(double ms)
{
    return QStringLiteral("%1ms").arg(std::lround(ms));
}

class KeyboardPicture final : public QWidget {
public:
    KeyboardPicture(RecordsWindow& window, QWidget* parent)
        : QWidget(parent), m_window(window)
    {
        setObjectName(QStringLiteral("Keyboard"));
        QRect all;
        for (const RecordsWindow::KeyCap& cap : window.keyCaps())
            all |= cap.rect;
        setFixedSize(all.right() + 1, all.bottom() + 1);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont capFont = font();
        capFont.setPixelSize(14);
        capFont.setBold(true);
        QFont shareFont = font();
        shareFont.setPixelSize(10);
        const std::u16string chosenKeys = m_window.chosenKeys();
        for (const RecordsWindow::KeyCap& cap : m_window.keyCaps()) {
            const QRectF rect = QRectF(cap.rect).adjusted(0.5, 0.5, -0.5, -0.5);
            const QColor fill = m_window.keyColour(cap.key);
            const bool chosen = chosenKeys.find(cap.key) != std::u16string::npos;
            painter.setPen(chosen ? QPen(kChosenColour, 3) : QPen(QColor(128, 96, 96)));
            painter.setBrush(fill);
            painter.drawRoundedRect(chosen ? rect.adjusted(1, 1, -1, -1) : rect, 4, 4);
            painter.setPen(fill.lightness() < 140 ? Qt::white : Qt::black);
            const QString note = m_window.keyNote(cap.key);
            if (note.isEmpty()) {
                painter.setFont(capFont);
                painter.drawText(rect, Qt::AlignCenter, cap.legend);
                continue;
            }
            painter.setFont(capFont);
            painter.drawText(rect.adjusted(0, 1, 0, -rect.height() / 2 + 4), Qt::AlignHCenter | Qt::AlignBottom,
                             cap.legend);
            painter.setFont(shareFont);
            painter.drawText(rect.adjusted(0, rect.height() / 2 + 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, note);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        for (const RecordsWindow::KeyCap& cap : m_window.keyCaps()) {
            if (cap.rect.contains(event->position().toPoint()))
                m_window.toggleChosenKey(cap.key);
        }
    }

private:
    RecordsWindow& m_window;
};

// The dates under the chart: a label centred under each day's games. A
// label is cut to the width of its games, so a day of few games shares its
// label with the days after it until the label fits; it then names the first
// of them. Labels must differ, so a date met again (a clock set back, or the
// same day a year later) carries its year.
void LabelDays(QCategoryAxis& axis, const std::vector<GameRecord>& games)
{
    const auto sameDay = [&games](std::size_t a, std::size_t b) {
        return games[a].time.compare(0, 10, games[b].time, 0, 10) == 0;
    };
    struct Range {
        std::size_t first, last;
    };
    std::vector<Range> ranges;
    for (std::size_t first = 0; first < games.size();) {
        std::size_t last = std::min(first + kGamesUnderALabel, games.size()) - 1;
        while (last + 1 < games.size() && sameDay(last + 1, last))
            ++last;
        ranges.push_back({first, last});
        first = last + 1;
    }
    // Too few games at the end for a label of their own.
    if (ranges.size() > 1 && ranges.back().last - ranges.back().first + 1 < kGamesUnderALabel) {
        ranges[ranges.size() - 2].last = ranges.back().last;
        ranges.pop_back();
    }
    QStringList used;
    for (const Range& range : ranges) {
        const QDate date = QDate::fromString(QString::fromStdString(games[range.first].time.substr(0, 10)), Qt::ISODate);
        QString label = QStringLiteral("%1/%2").arg(date.month()).arg(date.day());
        if (used.contains(label))
            label = date.toString(QStringLiteral("yyyy/M/d"));
        while (used.contains(label))
            label += QLatin1Char(' ');
        used.append(label);
        axis.append(label, static_cast<double>(range.last) + 0.5);
    }
}

} // namespace

RecordsWindow::RecordsWindow(DataKeeper& keeper)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_keeper(keeper)
    , m_input(keeper.data().input())
    , m_caps(KeyCapsOf(m_input))
{
    SetUpWindow(*this, {.name = "RecordsWindow",
                        .title = ToQString(u"記録"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .sizable = true,
                        .whiteButtons = true});

    QString titleText = ToQString(kTitle).arg(kRecentGames);
    if (m_input == Input::Kana)
        titleText += ToQString(kKanaInputMark);
    auto* title = new QLabel(titleText, this);
    title->setObjectName(QStringLiteral("Title"));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(DesignRect(120, 240, kClientWidth - 240, 375));

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_note->setGeometry(DesignRect(120, 480, kClientWidth - 240, 255));

    m_message = new QLabel(ToQString(kLoading), this);
    m_message->setObjectName(QStringLiteral("Message"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    // Where the charts would be.
    m_message->setGeometry(DesignRect(600, kChartTop, kClientWidth - 1200, kWorstTop + 375 - kChartTop));

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(DesignRect(kClientWidth - 420 - 735, kClientHeight - 225 - 375, 735, 375));
    connect(m_command1, &QPushButton::clicked, this, &QWidget::close);
    m_command1->setFocus();

    const QFont small = ControlFont("MS UI Gothic", 9, false);
    m_practice = new QCheckBox(ToQString(kPracticeCaption), this);
    m_practice->setObjectName(QStringLiteral("Practice"));
    m_practice->setFont(small);
    m_practice->setGeometry(DesignRect(600, kPracticeTop, 3000, 300));
    m_practice->setChecked(m_keeper.data().options.weakKeys);
    connect(m_practice, &QCheckBox::toggled, this, &RecordsWindow::savePractice);

    m_practiceNote = new QLabel(this);
    m_practiceNote->setObjectName(QStringLiteral("PracticeNote"));
    m_practiceNote->setFont(small);
    m_practiceNote->setWordWrap(true);
    m_practiceNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_practiceNote->setGeometry(DesignRect(3720, kPracticeTop + 30, kClientWidth - 3720 - 240, 600));

    m_focusKeys = m_keeper.data().options.focusKeys;
    m_savedFocusKeys = m_focusKeys;
    m_chosenLabel = new QLabel(this);
    m_chosenLabel->setObjectName(QStringLiteral("ChosenKeys"));
    m_chosenLabel->setFont(small);
    m_chosenLabel->setTextFormat(Qt::PlainText);
    m_chosenLabel->setGeometry(DesignRect(600, kChosenTop, 3000, 300));
    showChosenKeys();

    m_keeper.readHistory([window = QPointer<RecordsWindow>(this)](const Loaded<std::vector<GameRecord>>& read) {
        if (window)
            window->showHistory(read);
    });
}

const RecordsWindow::KeyCap* RecordsWindow::capOf(KeyChar key) const
{
    const auto cap = std::ranges::find_if(m_caps, [key](const KeyCap& c) { return c.key == key || (c.shifted && c.shifted == key); });
    return cap == m_caps.end() ? nullptr : &*cap;
}

QRect RecordsWindow::keyRect(KeyChar key) const
{
    const KeyCap* cap = capOf(key);
    return cap ? cap->rect : QRect();
}

// A key with a second kana on Shift (あ and ぁ) shows the two together.
double RecordsWindow::shareOf(const KeyCap& cap) const
{
    double share = 0;
    for (const KeyChar key : {cap.key, cap.shifted}) {
        if (const auto found = m_shares.find(key); key && found != m_shares.end())
            share += found->second;
    }
    return share;
}

std::optional<double> RecordsWindow::meanMsOf(const KeyCap& cap) const
{
    double count = 0, totalMs = 0;
    for (const KeyStat& stat : m_stats) {
        if (stat.meanMs && (stat.key == cap.key || (cap.shifted && stat.key == cap.shifted))) {
            const double typed = std::max(stat.presses - stat.mistypes, 1);
            count += typed;
            totalMs += typed * *stat.meanMs;
        }
    }
    return count > 0 ? std::optional(totalMs / count) : std::nullopt;
}

QColor RecordsWindow::keyColour(KeyChar key) const
{
    const KeyCap* mine = capOf(key);
    if (!mine)
        return Shade(0, 0);
    if (m_shading == Shading::Time) {
        // From the fastest key's white to the slowest key's colour.
        std::optional<double> fastest, slowest;
        for (const KeyCap& cap : m_caps) {
            if (const std::optional<double> meanMs = meanMsOf(cap)) {
                fastest = std::min(fastest.value_or(*meanMs), *meanMs);
                slowest = std::max(slowest.value_or(*meanMs), *meanMs);
            }
        }
        const std::optional<double> meanMs = meanMsOf(*mine);
        if (!meanMs || *slowest <= *fastest)
            return Shade(0, 0);
        return Shade(*meanMs - *fastest, *slowest - *fastest);
    }
    double worst = 0;
    for (const KeyCap& cap : m_caps)
        worst = std::max(worst, shareOf(cap));
    return Shade(shareOf(*mine), worst);
}

QString RecordsWindow::keyNote(KeyChar key) const
{
    const KeyCap* cap = capOf(key);
    if (!cap)
        return {};
    if (m_shading == Shading::Time) {
        const std::optional<double> meanMs = meanMsOf(*cap);
        return meanMs ? Milliseconds(*meanMs) : QString();
    }
    const double share = shareOf(*cap);
    return share > 0 ? Percent(share) : QString();
}

void RecordsWindow::setShading(Shading shading)
{
    m_shading = shading;
    if (m_byTime) {
        m_byTime->setChecked(shading == Shading::Time);
        m_byMistypes->setChecked(shading == Shading::Mistypes);
    }
    if (m_keyboard)
        m_keyboard->update();
}

// The keyboard's shading, the weakest keys and the practice setting.
void RecordsWindow::addKeyControls()
{
    const QFont small = ControlFont("MS UI Gothic", 9, false);
    if (m_keyboard) {
        auto* caption = new QLabel(ToQString(kShadingCaption), this);
        caption->setFont(small);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(DesignRect(1200, kShadingTop, 1800, 300));
        m_byMistypes = new QRadioButton(ToQString(kByMistypes), this);
        m_byMistypes->setObjectName(QStringLiteral("ByMistypes"));
        m_byTime = new QRadioButton(ToQString(kByTime), this);
        m_byTime->setObjectName(QStringLiteral("ByTime"));
        auto* group = new QButtonGroup(this);
        for (QRadioButton* button : {m_byMistypes, m_byTime}) {
            button->setFont(small);
            group->addButton(button);
        }
        m_byMistypes->setGeometry(DesignRect(3120, kShadingTop, 1800, 300));
        m_byTime->setGeometry(DesignRect(5040, kShadingTop, 1800, 300));
        m_byMistypes->setChecked(true);
        connect(m_byTime, &QRadioButton::toggled, this,
                [this](bool byTime) { setShading(byTime ? Shading::Time : Shading::Mistypes); });

        QString weak = ToQString(kWeakCaption);
        for (const KeyStat& stat : m_stats) {
            if (!stat.judged || static_cast<std::size_t>(m_weakKeys.size()) >= kWorstKeyCount)
                break;
            m_weakKeys.append(Legend(stat.key));
            weak += QStringLiteral("  %1. %2（%3・%4）")
                        .arg(m_weakKeys.size())
                        .arg(Legend(stat.key), Percent(stat.mistypeRate),
                             stat.meanMs ? Milliseconds(*stat.meanMs) : QStringLiteral("-"));
        }
        if (m_weakKeys.isEmpty())
            weak += ToQString(kNoneYet);
        // Kana are wider than letters: a long line is condensed, never cut.
        m_weakLabel = new FitLabel(weak, this);
        m_weakLabel->setGeometry(DesignRect(120, kWeakTop, kClientWidth - 240, 375));
    } else {
        m_weakLabel = new QLabel(this);
        m_weakLabel->hide();
    }
    m_weakLabel->setObjectName(QStringLiteral("WeakKeys"));
    m_weakLabel->setTextFormat(Qt::PlainText);
    m_weakLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_weakLabel->setFont(ControlFont("MS UI Gothic", 10.5, false));

    if (WeakKeyWeights(m_stats).empty())
        m_practiceNote->setText(ToQString(kNotJudgedYet));
    // The history may arrive once the window is on screen, where new
    // controls stay hidden until shown.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
}

void RecordsWindow::savePractice(bool on)
{
    // Held until the result arrives, so that saves cannot overtake each other.
    m_practice->setEnabled(false);
    m_keeper.saveOptions([on](Options& options) { options.weakKeys = on; },
                         ShowIn(this, &RecordsWindow::practiceSaved, Unsaved::Options));
}

std::u16string RecordsWindow::chosenKeys() const
{
    return KeysOfText(m_focusKeys, m_input);
}

void RecordsWindow::toggleChosenKey(KeyChar key)
{
    // One save at a time, so that saves cannot overtake each other.
    if (!IsKeyOf(m_input, key) || m_savingChosen)
        return;
    m_savingChosen = true;
    // UTF-8 never holds one key's bytes inside another's.
    const std::string text = KeyText(key);
    if (const std::size_t at = m_focusKeys.find(text); at != std::string::npos)
        m_focusKeys.erase(at, text.size());
    else
        m_focusKeys += text;
    showChosenKeys();
    m_keeper.saveOptions([keys = m_focusKeys](Options& options) { options.focusKeys = keys; },
                         ShowIn(this, &RecordsWindow::chosenSaved, Unsaved::Options));
}

void RecordsWindow::chosenSaved(const SaveOutcome& outcome)
{
    m_savingChosen = false;
    if (outcome.saved()) {
        m_savedFocusKeys = m_focusKeys;
        return;
    }
    // The keys shown are what the file holds.
    m_focusKeys = m_savedFocusKeys;
    showChosenKeys();
    m_practiceNote->setText(ToQString(kNotSaved));
}

void RecordsWindow::showChosenKeys()
{
    QString text = ToQString(kChosenCaption);
    const std::u16string keys = chosenKeys();
    for (const KeyChar key : keys)
        text += Legend(key) + QLatin1Char(' ');
    m_chosenLabel->setText(keys.empty() ? text + ToQString(kChoosingHint) : text.trimmed());
    if (m_keyboard)
        m_keyboard->update();
}

void RecordsWindow::practiceSaved(const SaveOutcome& outcome)
{
    m_practice->setEnabled(true);
    if (outcome.saved())
        return;
    // The box shows what the file holds: it was held while the save ran.
    const QSignalBlocker quiet(m_practice);
    m_practice->setChecked(!m_practice->isChecked());
    m_practiceNote->setText(ToQString(kNotSaved));
}

void RecordsWindow::showHistory(const Loaded<std::vector<GameRecord>>& read)
{
    m_loaded = true;
    if (read.state != ReadState::Loaded && read.state != ReadState::Missing)
        m_note->setText(ToQString(kDamaged));
    m_note->setVisible(!m_note->text().isEmpty());
    if (RecentGames(read.value, m_input).empty()) {
        m_message->setText(ToQString(kNoGames));
        addKeyControls();
        return;
    }
    m_message->hide();
    showGames(read.value);
}

void RecordsWindow::showGames(const std::vector<GameRecord>& history)
{
    const std::vector<GameRecord> games = RecentGames(history, m_input);

    m_speed = new QLineSeries;
    m_speed->setName(ToQString(kSpeedName));
    m_speed->setPen(QPen(kSpeedColour, 2));
    m_speed->setPointsVisible(true);
    m_mistypes = new QBarSet(ToQString(kMistypesName));
    m_mistypes->setColor(kMistypeColour);
    m_mistypes->setBorderColor(kMistypeColour.darker(130));
    std::int32_t fastest = 0, mostMistypes = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        m_speed->append(static_cast<double>(i), games[i].speed);
        m_mistypes->append(games[i].mistypes);
        fastest = std::max(fastest, games[i].speed);
        mostMistypes = std::max(mostMistypes, games[i].mistypes);
    }
    auto* bars = new QBarSeries;
    bars->append(m_mistypes);
    bars->setBarWidth(0.6);

    m_chart = new QChart;
    m_chart->setBackgroundVisible(false);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setFont(font());
    // The bars first, so that the line is drawn over them.
    m_chart->addSeries(bars);
    m_chart->addSeries(m_speed);

    auto* days = new QCategoryAxis;
    days->setStartValue(-0.5);
    days->setRange(-0.5, static_cast<double>(games.size()) - 0.5);
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    days->setGridLineVisible(false);
    LabelDays(*days, games);
    auto* speedAxis = new QValueAxis;
    speedAxis->setRange(0, std::max(fastest, 10) * 1.1);
    speedAxis->applyNiceNumbers();
    speedAxis->setLabelFormat(QStringLiteral("%d"));
    speedAxis->setTitleText(ToQString(kSpeedName));
    speedAxis->setLabelsColor(kSpeedColour);
    auto* mistypeAxis = new QValueAxis;
    mistypeAxis->setRange(0, std::max(mostMistypes, 5) * 1.1);
    mistypeAxis->applyNiceNumbers();
    mistypeAxis->setLabelFormat(QStringLiteral("%d"));
    mistypeAxis->setTitleText(ToQString(kMistypesName));
    mistypeAxis->setGridLineVisible(false);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(days), static_cast<QAbstractAxis*>(speedAxis),
                                static_cast<QAbstractAxis*>(mistypeAxis)}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    m_chart->addAxis(days, Qt::AlignBottom);
    m_chart->addAxis(speedAxis, Qt::AlignLeft);
    m_chart->addAxis(mistypeAxis, Qt::AlignRight);
    bars->attachAxis(days);
    bars->attachAxis(mistypeAxis);
    m_speed->attachAxis(days);
    m_speed->attachAxis(speedAxis);

    auto* view = new QChartView(m_chart, this);
    view->setObjectName(QStringLiteral("Chart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setStyleSheet(QStringLiteral("background: transparent"));
    view->setGeometry(DesignRect(120, kChartTop, kClientWidth - 240, kChartHeight));

    std::int64_t total = 0;
    const std::vector<KeyMisses> keys = MostMissedKeys(history, m_input);
    for (const KeyMisses& key : keys)
        total += key.count;
    for (const KeyMisses& key : keys)
        m_shares[key.key] = static_cast<double>(key.count) / static_cast<double>(total);

    m_stats = KeyStatsOf(history, m_input);
    m_keyboard = new KeyboardPicture(*this, this);
    m_keyboard->move((Pixels(kClientWidth) - m_keyboard->width()) / 2, Pixels(kKeyboardTop));

    QString worst = ToQString(kWorstCaption);
    for (std::size_t i = 0; i < keys.size() && i < kWorstKeyCount; ++i) {
        m_worstKeys.append(Legend(keys[i].key));
        worst += QStringLiteral("  %1. %2（%3回）").arg(i + 1).arg(Legend(keys[i].key)).arg(keys[i].count);
    }
    if (keys.empty())
        worst += ToQString(u"なし");
    auto* worstLabel = new FitLabel(worst, this);
    worstLabel->setObjectName(QStringLiteral("WorstKeys"));
    worstLabel->setTextFormat(Qt::PlainText);
    worstLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    worstLabel->setFont(ControlFont("MS UI Gothic", 12, false));
    worstLabel->setGeometry(DesignRect(120, kWorstTop, kClientWidth - 240, 375));
    addKeyControls();
}

} // namespace kibbo
