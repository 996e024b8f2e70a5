#include "scores/dialogs/ScoreWindowLook.h"

#include "ui/ControlStyle.h"

namespace kibbo {

namespace {

constexpr const char* kBackColour = "&H00AEAEEF&";

// The buttons keep their white face whether focused, pressed or clicked;
// the focus shows only as a dotted frame inside the border.
const char* const kButtonStyle =
    "QPushButton { background-color: #ffffff; border: 1px solid #808080; }"
    "QPushButton:pressed { border: 2px solid #404040; }"
    "QPushButton:focus { outline: 1px dotted #000000; }";

} // namespace

QRect DesignRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

void SetScoreWindowLook(QWidget& window, int clientWidth, int clientHeight)
{
    window.resize(Pixels(clientWidth), Pixels(clientHeight));
    window.setFont(ControlFont("MS UI Gothic", 9, false));
    QPalette back = window.palette();
    back.setColor(QPalette::Window, ParseColourCode(kBackColour).value_or(QColor()));
    window.setPalette(back);
    window.setAutoFillBackground(true);
    window.setStyleSheet(QString::fromLatin1(kButtonStyle));
}

} // namespace kibbo
