// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>
#include <string_view>

namespace kibbo {

// The windows are designed in twips; the screen has 15 of them to a logical
// pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, halves to the even neighbour; a screen other than the
// usual one may have another number of twips to the pixel.
int Pixels(double twips, int twipsPerPixel = kTwipsPerPixel);

QString ToQString(std::u16string_view text);

// Said after the title of a window showing the ranking or the records of
// games typed in kana, which are kept apart from the romaji ones.
inline constexpr std::u16string_view kKanaInputMark = u"（かな入力）";

// The pale pink behind every dialog.
inline constexpr const char* kDialogBackColour = "&H00AEAEEF&";

// The dark red of the windows' messages and callouts, and of place 1 in the
// ranking.
inline constexpr const char* kMessageRedColour = "&H000000C0&";

// A colour of the design ("&H00BBGGRR&"); invalid for any other text.
QColor DesignColour(const char* code);

// A rectangle or point of the design, given in twips, in pixels.
QRect DesignRect(int left, int top, int width, int height);
QPoint DesignPoint(int x, int y);

// Paints a window's background in a design colour.
void SetBackColour(QWidget& window, const char* colourCode);

// The flat white face of every push button: it stays white when focused,
// pressed or clicked, and the focus shows only as a dotted frame.
QString WhiteButtonStyle();

// The dialog font of a Japanese system.
QFont DialogFont();

// What a window of the game sets up before its controls are made; the
// defaults are a dialog's.
struct WindowSetUp {
    const char* name = nullptr;                 // the design's name, as the object name
    QString title = {};
    QSize clientSize = {};                      // pixels
    std::optional<QPoint> clientTopLeft = {};   // on the screen; else the system places it
    bool sizable = false;                       // the player may resize it
    std::optional<QFont> font = DialogFont();   // for every control without a font of its own
    const char* backColour = kDialogBackColour; // a design colour; null for the system's
    bool whiteButtons = false;                  // every push button with the white face
    bool deleteOnClose = true;                  // made afresh each time it opens
};

void SetUpWindow(QWidget& window, const WindowSetUp& setUp);

// A colour as the window's design writes it: "&H00" followed by six
// hexadecimal digits in the order blue, green, red, and a closing "&"
// ("&H000000FF&" is pure red). Nothing for any other text.
std::optional<QColor> ParseColourCode(std::string_view code);

// The font a control is designed with, on this system: the design's Japanese
// fonts are replaced by the installed IPA fonts of the same style, and a
// font the system may lack falls back to one of its kind. The size is
// set in pixels at 96 per inch, because the controls are laid out in pixels
// and their text has to fit them whatever resolution the screen reports.
QFont ControlFont(std::string_view designName, double points, bool bold);

} // namespace kibbo
