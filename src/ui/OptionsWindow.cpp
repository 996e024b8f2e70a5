// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OptionsWindow.h"

#include "prefs/Options.h"
#include "typing/KanaKeys.h"
#include "ui/ControlStyle.h"
#include "ui/DesignTable.h"
#include "ui/SaveReport.h"

#include <QSignalBlocker>

#include <span>
#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 5400; // twips
constexpr int kClientHeight = 5400;

using Kind = DesignKind;
using Align = DesignAlign;

// The labels the window keeps, which have no names.
enum class Unnamed { MusicValue, EffectsValue, NextStart, SaveMessage, SpareKeys };

// Where a keyboard lacks the two kana keys only Japanese keyboards have.
const char16_t* const kSpareKeysNote = u"ろ と ー のキーがないキーボードでは、ー を %1 キーで、ろ を %2 キーで打ちます";

constexpr DesignControl kDesign[] = {
    {"OK", Kind::PushButton, 4080, 4800, 1095, 375, u"OK"},
    {Unnamed::SaveMessage, Kind::Label, 240, 4800, 3600, 375, u"設定を保存できませんでした", kNoFont,
     kMessageRedColour, Align::LeftMiddle, false, true},
    {nullptr, Kind::Label, 240, 4080, 4920, 495,
     u"F2 キーで音楽を、F3 キーで効果音を、ゲーム中でもいつでも入り切りできます", kNoFont, nullptr, Align::Left,
     true, true},
    {"GuideHidden", Kind::CheckBox, 240, 3660, 4920, 300, u"ガイドを隠す（ミスすると、その犬の間だけ出ます）"},
    {"Reading", Kind::CheckBox, 240, 3300, 4920, 300, u"読みを出し、打っているかなに印を付ける"},
    {Unnamed::SpareKeys, Kind::Label, 480, 2760, 4680, 495, {}, kNoFont, nullptr, Align::Left, true, true},
    {"KanaInput", Kind::CheckBox, 240, 2400, 4920, 300, u"かな入力（キーに書かれたかなで打つ。ランキングは別）"},
    {Unnamed::NextStart, Kind::Label, 240, 1980, 4920, 300, u"大きさは次に起動したときから変わります", kNoFont,
     kMessageRedColour, Align::LeftMiddle, false, true},
    {"Scale", Kind::ComboBox, 2040, 1560, 1215, 300},
    {nullptr, Kind::Label, 240, 1560, 1695, 300, u"ウィンドウの大きさ", kNoFont, nullptr, Align::LeftMiddle},
    {"Pause", Kind::CheckBox, 240, 1080, 4920, 300, u"Esc キーや別のウィンドウへの切り替えで一時停止する"},
    {Unnamed::EffectsValue, Kind::Label, 4560, 660, 600, 300, {}, kNoFont, nullptr, Align::RightMiddle},
    {"EffectsVolume", Kind::Slider, 2040, 660, 2415, 300},
    {"Effects", Kind::CheckBox, 240, 660, 1695, 300, u"効果音"},
    {Unnamed::MusicValue, Kind::Label, 4560, 240, 600, 300, {}, kNoFont, nullptr, Align::RightMiddle},
    {"MusicVolume", Kind::Slider, 2040, 240, 2415, 300},
    {"Music", Kind::CheckBox, 240, 240, 1695, 300, u"音楽"},
};

} // namespace

OptionsWindow::OptionsWindow(DataKeeper& keeper, int runningScale)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_keeper(keeper)
    , m_runningScale(runningScale)
{
    SetUpWindow(*this, {.name = "FrmOptions",
                        .title = ToQString(u"オプション"),
                        .clientSize = {Pixels(kClientWidth), Pixels(kClientHeight)},
                        .whiteButtons = true});
    createControls();
    load();
}

void OptionsWindow::createControls()
{
    const DesignWidgets made = CreateDesignControls(kDesign, *this);
    m_music = made.get<QCheckBox>("Music");
    m_musicVolume = made.get<QSlider>("MusicVolume");
    m_musicValue = made.get<QLabel>(Unnamed::MusicValue);
    m_effects = made.get<QCheckBox>("Effects");
    m_effectsVolume = made.get<QSlider>("EffectsVolume");
    m_effectsValue = made.get<QLabel>(Unnamed::EffectsValue);
    m_pause = made.get<QCheckBox>("Pause");
    m_scale = made.get<QComboBox>("Scale");
    m_kanaInput = made.get<QCheckBox>("KanaInput");
    m_reading = made.get<QCheckBox>("Reading");
    m_guideHidden = made.get<QCheckBox>("GuideHidden");
    const std::span<const SpareKey> spare = SpareKeys();
    made.get<QLabel>(Unnamed::SpareKeys)
        ->setText(ToQString(kSpareKeysNote).arg(ToQString(spare[0].name), ToQString(spare[1].name)));
    m_nextStart = made.get<QLabel>(Unnamed::NextStart);
    m_saveMessage = made.get<QLabel>(Unnamed::SaveMessage);
    m_ok = made.get<QPushButton>("OK");

    const auto volumeRow = [this](QCheckBox* check, QSlider* slider, QLabel* value) {
        slider->setRange(0, 100);
        slider->setSingleStep(5);
        slider->setPageStep(10);
        connect(slider, &QSlider::valueChanged, value, qOverload<int>(&QLabel::setNum));
        connect(check, &QCheckBox::toggled, slider, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &OptionsWindow::soundEdited);
        connect(slider, &QSlider::valueChanged, this, &OptionsWindow::soundEdited);
        connect(slider, &QSlider::sliderReleased, this, &OptionsWindow::soundEdited);
    };
    volumeRow(m_music, m_musicVolume, m_musicValue);
    volumeRow(m_effects, m_effectsVolume, m_effectsValue);

    connect(m_pause, &QCheckBox::toggled, this,
            [this](bool on) { save([on](Options& options) { options.pause = on; }); });

    connect(m_kanaInput, &QCheckBox::toggled, this,
            [this](bool on) { save([on](Options& options) { options.kanaInput = on; }); });
    connect(m_reading, &QCheckBox::toggled, this,
            [this](bool on) { save([on](Options& options) { options.reading = on; }); });
    connect(m_guideHidden, &QCheckBox::toggled, this,
            [this](bool on) { save([on](Options& options) { options.guideHidden = on; }); });

    for (int percent : kWindowScales)
        m_scale->addItem(QStringLiteral("%1 %").arg(percent), percent);
    connect(m_scale, &QComboBox::activated, this, [this] {
        const int percent = m_scale->currentData().toInt();
        showNextStartNote();
        save([percent](Options& options) { options.scale = percent; });
    });

    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(m_music, m_musicVolume);
    setTabOrder(m_musicVolume, m_effects);
    setTabOrder(m_effects, m_effectsVolume);
    setTabOrder(m_effectsVolume, m_pause);
    setTabOrder(m_pause, m_scale);
    setTabOrder(m_scale, m_kanaInput);
    setTabOrder(m_kanaInput, m_reading);
    setTabOrder(m_reading, m_guideHidden);
    setTabOrder(m_guideHidden, m_ok);
    m_music->setFocus();
}

void OptionsWindow::load()
{
    const Options options = m_keeper.data().options;
    // Set up as the file says, without saving it back: the controls show
    // what they hold, and nothing is heard or written.
    m_loading = true;
    m_music->setChecked(options.music);
    m_musicVolume->setValue(options.musicVolume);
    m_effects->setChecked(options.effects);
    m_effectsVolume->setValue(options.effectsVolume);
    m_pause->setChecked(options.pause);
    m_scale->setCurrentIndex(m_scale->findData(options.scale));
    m_kanaInput->setChecked(options.kanaInput);
    m_reading->setChecked(options.reading);
    m_guideHidden->setChecked(options.guideHidden);
    m_loading = false;
    // Signals come only for a change from the controls' own start.
    m_musicVolume->setEnabled(options.music);
    m_effectsVolume->setEnabled(options.effects);
    m_musicValue->setNum(options.musicVolume);
    m_effectsValue->setNum(options.effectsVolume);
    showNextStartNote();
}

void OptionsWindow::showSound(const SoundLevels& sound)
{
    const QSignalBlocker music(m_music);
    const QSignalBlocker effects(m_effects);
    m_music->setChecked(sound.music);
    m_effects->setChecked(sound.effects);
    m_musicVolume->setEnabled(sound.music);
    m_effectsVolume->setEnabled(sound.effects);
}

SoundLevels OptionsWindow::levels() const
{
    return {m_music->isChecked(), m_effects->isChecked(), m_musicVolume->value(), m_effectsVolume->value()};
}

void OptionsWindow::soundEdited()
{
    if (m_loading)
        return;
    const SoundLevels sound = levels();
    emit soundChanged(sound);
    // Every step of a slider is heard; the file is written when it is let go
    // (a press of a key moves it without holding it down).
    if (m_musicVolume->isSliderDown() || m_effectsVolume->isSliderDown())
        return;
    save([sound](Options& options) {
        options.music = sound.music;
        options.effects = sound.effects;
        options.musicVolume = sound.musicVolume;
        options.effectsVolume = sound.effectsVolume;
    });
}

void OptionsWindow::save(std::function<void(Options&)> change)
{
    if (m_loading)
        return;
    m_keeper.saveOptions(std::move(change), ShowIn(this, &OptionsWindow::saved, Unsaved::Options));
}

void OptionsWindow::saved(const SaveOutcome& outcome)
{
    m_saveMessage->setVisible(!outcome.saved());
}

void OptionsWindow::showNextStartNote()
{
    m_nextStart->setVisible(m_scale->currentData().toInt() != m_runningScale);
}

} // namespace kibbo
