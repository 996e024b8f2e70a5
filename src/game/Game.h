// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"
#include "game/Controls.h"
#include "game/GameState.h"
#include "game/PictureButtons.h"
#include "game/SoundService.h"
#include "scores/History.h"
#include "store/PlayerData.h"
#include "store/PlayerStore.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kibbo {

// What a button release asks of the window beyond the controls it has set.
enum class ButtonOutcome { Continue, Started, Quit };

// What a tick or a key press did, for the window to follow up on: a game
// started, a dog done (the next one is on screen), the game cleared (its
// score is to be saved) or over.
enum class Outcome { Nothing, Started, DogDone, Cleared, GameOver };

// The result of the last cleared game.
struct ClearResult {
    std::int32_t speed = 0; // characters per minute
    std::int32_t score = 0;
    bool scoreSaved = false;    // the last-score file holds this score
    bool entersRanking = false; // beats the seventh place as saved, in a normal game; known once saved
    bool practice = false;      // dogs were chosen for the weak keys: no ranking
    Input input = Input::Romaji; // whose ranking the score is for
    SaveOutcome lastScoreSave;  // how saving the last score went
};

// Characters per minute, halves to the even neighbour. Under one second of
// play counts as one second.
std::int32_t TypingSpeed(std::int32_t typeCount, std::int32_t playSeconds);
// The total score; the mistype penalty is formed in 32 bits.
std::int32_t TotalScore(std::int32_t speed, std::int16_t missCount);

// The game's rules: the state record and the main window's procedures. It
// reaches the window, sound, the player's data and the clock only through
// the services given to it, and never the disk: the window saves what the
// outcomes of its calls ask for. A copy is a game of its own on the same
// services.
class Game {
public:
    struct Services {
        MainFormControls& controls;
        SoundService& sound;
        // The spellings, options and recent games, as last read; each dog
        // takes them as they are then.
        const PlayerData& data;
        std::function<int()> currentSeconds; // seconds field of the local time
        // One line per game event, for --trace; nothing when empty.
        std::function<void(std::string_view)> trace = {};
        // Every game that ends, cleared, over or left, for the history; the
        // receiver stamps the time. Nothing when empty.
        std::function<void(GameRecord)> recordGame = {};
        // A steady clock in milliseconds, to time each key; keys go untimed
        // when empty.
        std::function<std::int64_t()> milliseconds = {};
    };

    explicit Game(Services services);

    const GameState& state() const { return m_state; }
    // For tests and tools that set a scene up; the window only reads.
    GameState& mutableState() { return m_state; }
    const ClearResult& lastClear() const { return m_lastClear; }

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

    // Timer1, every 100 ms of play.
    Outcome tick();
    // The character of every key pressed in the main window, and the kana
    // its place on the keyboard types (KanaOfKey), if any: a game typed in
    // kana judges that kana, a romaji game the character; a key with no
    // character (code 0) counts only for its kana. Judged only while a game
    // is played; on every other screen a key changes nothing.
    Outcome keyPress(char16_t code, std::optional<char16_t> kana = std::nullopt);
    // The cleared game's score saved (or not) and the ranking as saved then:
    // whether it enters the ranking.
    const ClearResult& finishClear(const SaveOutcome& lastScoreSave, const Ranking& ranking);

    // Mouse down / up on one of the four picture buttons, any mouse button.
    void buttonDown(PictureButton button);
    ButtonOutcome buttonUp(PictureButton button);

    // The options changed: the practice caption follows them at once.
    void optionsChanged();
    // F2 and F3 on every screen, in play too: the music or the effects on
    // or off at once. The window keeps the new levels in the options.
    void toggleMusic();
    void toggleEffects();
    // The sound options as the options window sets them, heard at once.
    void setSoundLevels(const SoundLevels& levels);
    const SoundLevels& soundLevels() const { return m_levels; }

    // Escape in play, or the window losing the keyboard, with the pause
    // option on: the game stands still and shows nothing to read ahead.
    // False when there is nothing to pause.
    bool pause();
    // Escape or Enter while paused.
    void resume();

    // Sound operations on effectFile / musicFile.
    void playEffect();
    void playMusic();
    void stopMusic();

private:
    void showScreen(Screen screen);
    // The dog a set-up shows: the sweep's, or one chosen for practice.
    struct DogChoice {
        std::int16_t dog;
        bool practice;
    };
    DogChoice chooseDog();
    void timeKey(KeyChar key);
    void moveWalker(int by);
    void changeMusic(Tune tune);
    void showResults();
    void gameOver();
    void clearGame();
    void trace(const std::string& line) const;
    // The reading's marks, and which of the reading and the guide show.
    void markReading();
    void showAids();
    bool takenByFinishedDog(char16_t code);
    bool judge(char16_t code);
    void countMistype(KeyChar expected, char16_t code);
    void recordGame(Ending ending, std::optional<std::int32_t> score);

    MainFormControls& m_controls;
    SoundService& m_sound;
    const PlayerData& m_data;
    std::function<int()> m_currentSeconds;
    std::function<void(std::string_view)> m_trace;
    std::function<void(GameRecord)> m_recordGame;
    std::function<std::int64_t()> m_milliseconds;
    GameState m_state;
    ClearResult m_lastClear;
    SoundLevels m_levels;
};

} // namespace kibbo
