#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <string_view>

namespace kibbo {

// The windows are designed in twips; the screen has 15 of them to a logical
// pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, halves to the even neighbour.
int Pixels(double twips);

QString ToQString(std::u16string_view text);

// A colour as the window's design writes it: "&H00" followed by six
// hexadecimal digits in the order blue, green, red, and a closing "&"
// ("&H000000FF&" is pure red). Nothing for any other text.
std::optional<QColor> ParseColourCode(std::string_view code);

// The font a control is designed with, on this system: the design's Japanese
// fonts are replaced by the installed IPA fonts of the same style. The size is
// set in pixels at 96 per inch, because the controls are laid out in pixels
// and their text has to fit them whatever resolution the screen reports.
QFont ControlFont(std::string_view designName, double points, bool bold);

} // namespace kibbo
