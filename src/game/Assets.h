// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kibbo {

// Every picture and sound of the program folder that the game opens by name.
// The rules, the windows, the art generator and the asset test all take the
// names from here, so a misspelt name does not compile instead of showing
// nothing. Pictures are paths relative to the program folder as the game
// writes them ("ani\wall.gif"); sounds are asked for by Effect and Tune.

// Image6, the background: title, play, curfew reached, cleared.
inline constexpr std::string_view kTitleWall = "ani\\wall.gif";
inline constexpr std::string_view kPlayWall = "ani\\wall2.gif";
inline constexpr std::string_view kGameOverWall = "ani\\gameover.gif";
inline constexpr std::string_view kClearedWall = "ani\\gameclear.gif";

// Image2, the street strip: from the start, from 17:00, from 18:00.
inline constexpr std::string_view kStreetAfternoon = "ani\\back_kabe.gif";
inline constexpr std::string_view kStreetDusk = "ani\\back_kabe2.gif";
inline constexpr std::string_view kStreetNight = "ani\\back_kabe3.gif";

// Image3, the walking dog, in the order the tick shows its frames.
inline constexpr std::array<std::string_view, 3> kWalkerFrames = {"ani\\ani.gif", "ani\\ani2.gif",
                                                                  "ani\\ani3.gif"};

// The two looks of a picture button: while the mouse button is up and down.
struct ButtonPictures {
    std::string_view released;
    std::string_view pressed;
};

inline constexpr ButtonPictures kStartButton{"ani\\b_kaisi.gif", "ani\\b_kaisi2.gif"};
inline constexpr ButtonPictures kTopButton{"ani\\b_home.gif", "ani\\b_home2.gif"};
inline constexpr ButtonPictures kRestartButton{"ani\\b_saityousen.gif", "ani\\b_saityousen2.gif"};
inline constexpr ButtonPictures kFinishButton{"ani\\b_syuuryou.gif", "ani\\b_syuuryou2.gif"};

// The play screen as the how-to-play window shows it, and the paw-print icon.
inline constexpr std::string_view kHowToPlayScreen = "ani\\cap.gif";
inline constexpr std::string_view kIcon = "ani\\icon.gif";

// The dogs' pictures, under the file names of the catalogue.
inline constexpr std::string_view kDogPictureFolder = "pics";

inline std::string DogPicture(std::string_view dogPic)
{
    return std::string(kDogPictureFolder) + "\\" + std::string(dogPic);
}

// The effects and tunes, files of this folder of the program folder.
inline constexpr std::string_view kSoundFolder = "sound";

enum class Effect {
    Click, // a picture button goes down
    Bark,  // a key matches the guide
};

enum class Tune {
    Opening,  // play starts; restarted twice by the tick
    Dusk,     // 17:00
    Night,    // 18:00
    GameOver, // the curfew is reached
    Fanfare,  // the game is cleared
};

inline constexpr std::array<Effect, 2> kEffects = {Effect::Click, Effect::Bark};
inline constexpr std::array<Tune, 5> kTunes = {Tune::Opening, Tune::Dusk, Tune::Night, Tune::GameOver,
                                               Tune::Fanfare};

constexpr std::string_view FileOf(Effect effect)
{
    switch (effect) {
    case Effect::Click:
        return "pafo.wav";
    case Effect::Bark:
        return "bark.wav";
    }
    return {};
}

constexpr std::string_view FileOf(Tune tune)
{
    switch (tune) {
    case Tune::Opening:
        return "hooch.mid";
    case Tune::Dusk:
        return "int40xg.mid";
    case Tune::Night:
        return "int37xg.mid";
    case Tune::GameOver:
        return "horror2.mid";
    case Tune::Fanfare:
        return "fanfare.mid";
    }
    return {};
}

} // namespace kibbo
