#pragma once

#include <string_view>

namespace kibbo {

// Every control of the main window, by its design name, in stacking order from
// the top. The rules address the window only through these names.
enum class Control {
    ScoreBtn, VersionBtn, Howto, KeySettei,
    Label19, Label18, Label1,
    StartBtn, TopBtn, FinishBtn, RestartBtn,
    Label17, Label16, Label15, Label14, Label13, Label12, Label11, Label10, Label9,
    Label8, Label7, Label6, Label5, Label4, Label2,
    Image3, Image2, Label3, LimitTime, Image1,
    TxtTyp2, TxtTyp1, TxtTyp0,
    Image6,
};

inline constexpr int kControlCount = static_cast<int>(Control::Image6) + 1;

// The main window as the game's rules see it. The Qt window implements it;
// tests implement it with a plain record of what was set.
class MainFormControls {
public:
    virtual ~MainFormControls() = default;

    virtual void setCaption(Control control, std::u16string_view text) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // relativePath is as the game writes it ("ani\wall.gif"); the window
    // resolves it under the program's folder. A file that cannot be loaded
    // leaves the control without a picture.
    virtual void loadPicture(Control control, std::string_view relativePath) = 0;
    // Horizontal position in twips; the game only moves Image3.
    virtual int left(Control control) const = 0;
    virtual void setLeft(Control control, int twips) = 0;
    virtual void setTimer1Enabled(bool enabled) = 0;
};

} // namespace kibbo
