#include "game/Game.h"

#include "platform/ProgramPath.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"

#include <string>
#include <utility>

namespace kibbo {

namespace {

struct ButtonPictures {
    Control control;
    const char* pressed;
    const char* released;
};

ButtonPictures PicturesOf(PictureButton button)
{
    switch (button) {
    case PictureButton::Start:
        return {Control::StartBtn, "ani\\b_kaisi2.gif", "ani\\b_kaisi.gif"};
    case PictureButton::Restart:
        return {Control::RestartBtn, "ani\\b_saityousen2.gif", "ani\\b_saityousen.gif"};
    case PictureButton::Top:
        return {Control::TopBtn, "ani\\b_home2.gif", "ani\\b_home.gif"};
    case PictureButton::Finish:
        return {Control::FinishBtn, "ani\\b_syuuryou2.gif", "ani\\b_syuuryou.gif"};
    }
    return {Control::StartBtn, "", ""};
}

std::u16string Decimal(int value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace

Game::Game(Services services)
    : m_controls(services.controls)
    , m_sound(services.sound)
    , m_programFolder(std::move(services.programFolder))
    , m_currentSeconds(std::move(services.currentSeconds))
{
}

std::string Game::programPath(std::string_view relative) const
{
    return JoinProgramPath(m_programFolder, relative);
}

void Game::formLoad()
{
    m_state.clockHour = 13;
    m_state.dogIndex = static_cast<std::int16_t>(m_currentSeconds());
    m_controls.loadPicture(Control::Image6, "ani\\wall.gif");
}

void Game::newGame()
{
    GameState& s = m_state;
    s.dogIndex = static_cast<std::int16_t>(m_currentSeconds());
    s.missCount = 0;
    s.missRun = 0;
    s.dogCount = 0;
    s.typGuide.clear();
    s.effectFile.clear();
    s.musicFile.clear();
    s.limitTick = 0;
    s.walkFrame = 0;
    s.clockMinute = 0;
    s.clockHour = 13;
    s.minuteTicks = 0;
    s.stage17Done = 0;
    s.stage18Done = 0;
    s.musicRestarts = 0;
    // Cleared too, so that every game gets both restarts of the opening music.
    s.musicTicks = 0;
    s.typeCount = 0;
    s.playSeconds = 0;
    m_controls.setLeft(Control::Image3, kWalkerStartLeft);
    m_controls.loadPicture(Control::Image2, "ani\\back_kabe.gif");
}

void Game::nextDog()
{
    GameState& s = m_state;
    // Reread every time, so a change in the settings applies from the next dog.
    LoadKeyPrefs(programPath("data\\key.ini"), s.keyPref);
    m_controls.setTimer1Enabled(true);
    m_controls.setCaption(Control::Label3, u"制限時間");
    s.stepWidth = 60;

    const DogEntry& dog = dogTable.at(static_cast<std::size_t>(s.dogIndex));
    m_controls.setCaption(Control::TxtTyp0, dog.dogName);
    m_controls.setCaption(Control::TxtTyp1, dog.dogYomi);
    const std::u16string guide = MakeGuide(dog.dogYomi, s.keyPref);
    s.limitTick = static_cast<std::int16_t>(5 * guide.size());
    m_controls.setCaption(Control::TxtTyp2, guide);
    s.typGuide = guide;
    m_controls.setCaption(Control::Label12, Decimal(s.clockHour));
    m_controls.loadPicture(Control::Image1, "pics\\" + std::string(dog.dogPic));
}

void Game::beginPlay()
{
    nextDog();
    m_controls.loadPicture(Control::Image6, "ani\\wall2.gif");
    for (Control c : {Control::StartBtn, Control::KeySettei, Control::Howto, Control::VersionBtn,
                      Control::ScoreBtn})
        m_controls.setVisible(c, false);
    for (Control c : {Control::Image2, Control::Label9, Control::Label10, Control::Label11,
                      Control::Label12, Control::Label13, Control::Label14})
        m_controls.setVisible(c, true);
    for (Control c : {Control::Label1, Control::Label2, Control::Label19, Control::Label18,
                      Control::Label5, Control::Label8, Control::Label4, Control::Label6,
                      Control::Label7, Control::Label15, Control::Label16, Control::Label17})
        m_controls.setVisible(c, false);
    for (Control c : {Control::TxtTyp0, Control::TxtTyp2, Control::Label3, Control::Image1,
                      Control::LimitTime, Control::Image3})
        m_controls.setVisible(c, true);
    stopMusic();
    m_state.musicFile = "sound\\hooch.mid";
    playMusic();
    m_state.effectFile = "sound\\bark.wav";
}

void Game::titleSetUp()
{
    m_controls.loadPicture(Control::Image6, "ani\\wall.gif");
    for (Control c : {Control::StartBtn, Control::KeySettei, Control::Howto, Control::VersionBtn,
                      Control::ScoreBtn})
        m_controls.setVisible(c, true);
    for (Control c : {Control::Image2, Control::Image3, Control::Label9, Control::Label10,
                      Control::Label11, Control::Label12, Control::Label13, Control::Label14,
                      Control::Label2, Control::Label4, Control::Label5, Control::Label6,
                      Control::Label7, Control::Label8, Control::Label15, Control::Label16,
                      Control::Label17, Control::TxtTyp0, Control::TxtTyp2, Control::Label3,
                      Control::Image1, Control::LimitTime, Control::Label1, Control::Label18,
                      Control::Label19})
        m_controls.setVisible(c, false);
    m_controls.setTimer1Enabled(false);
    stopMusic();
}

void Game::buttonDown(PictureButton button)
{
    m_controls.loadPicture(PicturesOf(button).control, PicturesOf(button).pressed);
    m_state.effectFile = "sound\\pafo.wav";
    playEffect();
    m_state.effectFile = "sound\\bark.wav";
}

ButtonOutcome Game::buttonUp(PictureButton button)
{
    m_controls.loadPicture(PicturesOf(button).control, PicturesOf(button).released);
    switch (button) {
    case PictureButton::Start:
        beginPlay();
        break;
    case PictureButton::Restart:
        newGame();
        beginPlay();
        break;
    case PictureButton::Top:
        newGame();
        titleSetUp();
        break;
    case PictureButton::Finish:
        stopMusic();
        return ButtonOutcome::Quit;
    }
    return ButtonOutcome::Continue;
}

void Game::playEffect()
{
    // An empty name would only point at the program folder itself.
    if (m_state.effectFile.empty())
        return;
    m_sound.playEffect(programPath(m_state.effectFile));
}

void Game::playMusic()
{
    if (m_state.musicFile.empty())
        return;
    m_sound.openMusic(programPath(m_state.musicFile));
    m_sound.playMusic();
}

void Game::stopMusic()
{
    m_sound.stopMusic();
    m_sound.closeMusic();
}

} // namespace kibbo
