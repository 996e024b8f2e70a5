// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlStyle.h"

#include <cmath>

namespace kibbo {

namespace {

std::optional<int> HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

} // namespace

int Pixels(double twips, int twipsPerPixel)
{
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QColor DesignColour(const char* code)
{
    return ParseColourCode(code).value_or(QColor());
}

QRect DesignRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QPoint DesignPoint(int x, int y)
{
    return {Pixels(x), Pixels(y)};
}

void SetBackColour(QWidget& window, const char* colourCode)
{
    QPalette back = window.palette();
    back.setColor(QPalette::Window, DesignColour(colourCode));
    window.setPalette(back);
    window.setAutoFillBackground(true);
}

QString WhiteButtonStyle()
{
    return QStringLiteral("QPushButton { background-color: #ffffff; border: 1px solid #808080; }"
                          "QPushButton:pressed { border: 2px solid #404040; }"
                          "QPushButton:focus { outline: 1px dotted #000000; }");
}

QFont DialogFont()
{
    return ControlFont("MS UI Gothic", 9, false);
}

void SetUpWindow(QWidget& window, const WindowSetUp& setUp)
{
    if (setUp.deleteOnClose)
        window.setAttribute(Qt::WA_DeleteOnClose);
    window.setObjectName(QString::fromLatin1(setUp.name));
    window.setWindowTitle(setUp.title);
    // A window's geometry is its client area's, without the frame.
    if (setUp.clientTopLeft)
        window.setGeometry(QRect(*setUp.clientTopLeft, setUp.clientSize));
    if (setUp.sizable)
        window.resize(setUp.clientSize);
    else
        window.setFixedSize(setUp.clientSize);
    if (setUp.font)
        window.setFont(*setUp.font);
    if (setUp.backColour)
        SetBackColour(window, setUp.backColour);
    if (setUp.whiteButtons)
        window.setStyleSheet(WhiteButtonStyle());
}

std::optional<QColor> ParseColourCode(std::string_view code)
{
    constexpr std::string_view prefix = "&H00";
    if (code.size() != prefix.size() + 6 + 1 || !code.starts_with(prefix) || code.back() != '&')
        return std::nullopt;
    int value = 0;
    for (char c : code.substr(prefix.size(), 6)) {
        const std::optional<int> digit = HexDigit(c);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
    }
    const int blue = (value >> 16) & 0xFF;
    const int green = (value >> 8) & 0xFF;
    const int red = value & 0xFF;
    return QColor(red, green, blue);
}

QFont ControlFont(std::string_view designName, double points, bool bold)
{
    QFont font;
    if (designName == "MS UI Gothic")
        font.setFamily(QStringLiteral("IPAPGothic"));
    else if (designName == "MS Serif")
        font.setFamily(QStringLiteral("IPAPMincho"));
    else
        font.setFamily(QString::fromUtf8(designName.data(), static_cast<qsizetype>(designName.size())));
    // A font the system lacks is stood in for by one of its kind.
    if (designName == "FixedSys")
        font.setStyleHint(QFont::Monospace);
    else if (designName == "Arial Black")
        font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

} // namespace kibbo
