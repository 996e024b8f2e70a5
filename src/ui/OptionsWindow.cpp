// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OptionsWindow.h"

#include "prefs/Options.h"
#include "ui/ControlStyle.h"
#include "ui/FitLabel.h"
#include "ui/SaveReport.h"

#include <QSignalBlocker>

#include <utility>

namespace kibbo {

namespace {

constexpr int kClientWidth = 5400; // twips
constexpr int kClientHeight = 3960;

QLabel* RedMessage(const char16_t* text, QWidget* parent)
{
    auto* label = new QLabel(ToQString(text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, DesignColour(kMessageRedColour));
    label->setPalette(red);
    label->hide();
    return label;
}

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
    const auto volumeRow = [this](const char16_t* caption, int top, QCheckBox*& check, QSlider*& slider,
                                  QLabel*& value) {
        check = new QCheckBox(ToQString(caption), this);
        check->setGeometry(DesignRect(240, top, 1695, 300));
        slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(0, 100);
        slider->setSingleStep(5);
        slider->setPageStep(10);
        slider->setGeometry(DesignRect(2040, top, 2415, 300));
        value = new QLabel(this);
        value->setGeometry(DesignRect(4560, top, 600, 300));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(slider, &QSlider::valueChanged, value, qOverload<int>(&QLabel::setNum));
        connect(check, &QCheckBox::toggled, slider, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &OptionsWindow::soundEdited);
        connect(slider, &QSlider::valueChanged, this, &OptionsWindow::soundEdited);
        connect(slider, &QSlider::sliderReleased, this, &OptionsWindow::soundEdited);
    };
    volumeRow(u"音楽", 240, m_music, m_musicVolume, m_musicValue);
    volumeRow(u"効果音", 660, m_effects, m_effectsVolume, m_effectsValue);
    m_music->setObjectName(QStringLiteral("Music"));
    m_musicVolume->setObjectName(QStringLiteral("MusicVolume"));
    m_effects->setObjectName(QStringLiteral("Effects"));
    m_effectsVolume->setObjectName(QStringLiteral("EffectsVolume"));

    m_pause = new QCheckBox(ToQString(u"Esc キーや別のウィンドウへの切り替えで一時停止する"), this);
    m_pause->setObjectName(QStringLiteral("Pause"));
    m_pause->setGeometry(DesignRect(240, 1080, 4920, 300));
    connect(m_pause, &QCheckBox::toggled, this,
            [this](bool on) { save([on](Options& options) { options.pause = on; }); });

    auto* sizeCaption = new FitLabel(ToQString(u"ウィンドウの大きさ"), this);
    sizeCaption->setGeometry(DesignRect(240, 1560, 1695, 300));
    sizeCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_scale = new QComboBox(this);
    m_scale->setObjectName(QStringLiteral("Scale"));
    for (int percent : kWindowScales)
        m_scale->addItem(QStringLiteral("%1 %").arg(percent), percent);
    m_scale->setGeometry(DesignRect(2040, 1560, 1215, 300));
    connect(m_scale, &QComboBox::activated, this, [this] {
        const int percent = m_scale->currentData().toInt();
        showNextStartNote();
        save([percent](Options& options) { options.scale = percent; });
    });
    m_nextStart = RedMessage(u"大きさは次に起動したときから変わります", this);
    m_nextStart->setGeometry(DesignRect(240, 1980, 4920, 300));

    auto* keys = new QLabel(ToQString(u"F2 キーで音楽を、F3 キーで効果音を、ゲーム中でもいつでも入り切りできます"), this);
    keys->setWordWrap(true);
    keys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    keys->setGeometry(DesignRect(240, 2400, 4920, 495));

    m_saveMessage = RedMessage(u"設定を保存できませんでした", this);
    m_saveMessage->setGeometry(DesignRect(240, 3360, 3600, 375));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setGeometry(DesignRect(4080, 3360, 1095, 375));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(m_music, m_musicVolume);
    setTabOrder(m_musicVolume, m_effects);
    setTabOrder(m_effects, m_effectsVolume);
    setTabOrder(m_effectsVolume, m_pause);
    setTabOrder(m_pause, m_scale);
    setTabOrder(m_scale, m_ok);
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
