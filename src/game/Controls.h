// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace kibbo {

// Every control of the main window, by its design name, in stacking order from
// the top. The rules address the window only through these names.
enum class Control {
    ScoreBtn,   // menu: ranking viewer
    VersionBtn, // menu: version window
    Howto,      // menu: how to play
    KeySettei,  // menu: key settings
    PracticeNote, // "苦手キー練習中" while weak-key practice is on
    PauseCaption, // "一時停止中" while a game is paused; not of the classic design
    Reading,    // the reading, the kana being typed marked (the reading option); not of the classic design
    Label19,    // total score value
    Label18,    // "Kibbo" after the total score
    Label1,     // total score heading
    StartBtn,   // picture button: start, covers TopBtn
    TopBtn,     // picture button: back to the title
    FinishBtn,  // picture button: quit
    RestartBtn, // picture button: play again
    Label17,    // speed unit
    Label16,    // typing speed value
    Label15,    // typing speed heading
    Label14,    // clock minute
    Label13,    // clock colon
    Label12,    // clock hour
    Label11,    // "現時刻" heading
    Label10,    // curfew time "19:00"
    Label9,     // "門限" heading
    Label8,     // dogs-met unit
    Label7,     // mistypes unit
    Label6,     // mistype count
    Label5,     // dogs-met count
    Label4,     // mistypes heading
    Label2,     // dogs-met heading
    Image3,     // the walker
    Image2,     // the street strip
    Label3,     // "制限時間" caption
    LimitTime,  // seconds left for the dog
    Image1,     // the dog's picture
    TxtTyp2,    // romaji guide still to type
    TxtTyp1,    // reading in hiragana, never shown
    TxtTyp0,    // breed name
    Image6,     // background picture and drag surface
};

inline constexpr int kControlCount = static_cast<int>(Control::Image6) + 1;

// The main window as the game's rules see it. The Qt window implements it;
// tests implement it with a plain record of what was set.
class MainFormControls {
public:
    virtual ~MainFormControls() = default;

    virtual void setCaption(Control control, std::u16string_view text) = 0;
    // A caption whose characters before `typed` are shown as done and those
    // from there up to `end` as the ones in hand.
    virtual void setMarkedCaption(Control control, std::u16string_view text, std::size_t typed, std::size_t end) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // relativePath is as the game writes it ("ani\wall.gif"); the window
    // resolves it under the program's folder. A file that cannot be loaded
    // leaves the control without a picture.
    virtual void loadPicture(Control control, std::string_view relativePath) = 0;
    // Horizontal position in twips; the game only moves Image3.
    virtual void setLeft(Control control, int twips) = 0;
    virtual void setTimer1Enabled(bool enabled) = 0;
};

} // namespace kibbo
