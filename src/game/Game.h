#pragma once

#include "game/Controls.h"
#include "game/GameState.h"
#include "game/SoundService.h"

#include <functional>
#include <string>

namespace kibbo {

enum class PictureButton { Start, Restart, Top, Finish };

// What a button release asks of the window beyond the controls it has set.
enum class ButtonOutcome { Continue, Quit };

// Walker positions in twips.
inline constexpr int kWalkerStartLeft = 1800;

// The game's rules: the state record and the main window's procedures. It
// reaches the window, sound, files and the clock only through the services
// given to it.
class Game {
public:
    struct Services {
        MainFormControls& controls;
        SoundService& sound;
        std::string programFolder;           // where data/ and sound/ live
        std::function<int()> currentSeconds; // seconds field of the local time
    };

    explicit Game(Services services);

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }

    // Run once when the window is created.
    void formLoad();
    // The reset before every game except the first after start-up.
    void newGame();
    // Puts the dog at dogIndex on screen and arms its time limit.
    void nextDog();
    // The step from any screen into play.
    void beginPlay();
    // What Top_btn shows after newGame.
    void titleSetUp();

    // Mouse down / up on one of the four picture buttons, any mouse button.
    void buttonDown(PictureButton button);
    ButtonOutcome buttonUp(PictureButton button);

    // Sound operations on effectFile / musicFile.
    void playEffect();
    void playMusic();
    void stopMusic();

    std::string programPath(std::string_view relative) const;

private:
    MainFormControls& m_controls;
    SoundService& m_sound;
    std::string m_programFolder;
    std::function<int()> m_currentSeconds;
    GameState m_state;
};

} // namespace kibbo
