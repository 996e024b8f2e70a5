// SPDX-License-Identifier: GPL-3.0-or-later
// Kana typed by physical keys on an X server, for the whole-program tests.
// A key typer that sends characters lets the server pick a key for each,
// whatever its keymap; kana input reads the key itself, so the tests press
// the very keys of a Japanese keyboard by keycode, through XTEST. The
// tests' Xvfb keeps its US keymap, where some of those keys have no symbol
// at all: the game reads the keycode, so that does not matter.
//
//   x11_keys [-d MS] kana TEXT
//       Types the UTF-8 TEXT as kana input would: a voiced kana as its plain
//       kana then ゛, a small kana with Shift. Fails, typing nothing, where a
//       character has no kana key.
//   x11_keys [-d MS] code N [shift]
//       Presses and releases the key of X keycode N, with Shift held for
//       "shift".
// Each key waits for the server to take it, then MS milliseconds (12
// unless told) before the next, as a hand would leave the program time to
// read it.
#include "kana_presses.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
// Xlib's name of a key event's type, which would take the place of the
// game's KeyPress; this program sends its keys through XTEST, not as events.
#undef KeyPress

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Shift_L, on every keymap the tests' servers have.
constexpr unsigned kShiftKeycode = 50;

int Usage()
{
    std::fputs("usage: x11_keys [-d MS] kana TEXT | x11_keys [-d MS] code N [shift]\n", stderr);
    return 2;
}

void Press(Display* display, unsigned keycode, bool down)
{
    XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime);
    XSync(display, False);
}

} // namespace

int main(int argc, char* argv[])
{
    int delayMs = 12;
    int at = 1;
    if (argc > 2 && std::strcmp(argv[1], "-d") == 0) {
        try {
            delayMs = std::stoi(argv[2]);
        } catch (...) {
            return Usage();
        }
        if (delayMs < 0)
            return Usage();
        at = 3;
    }
    const std::string mode = argc > at ? argv[at] : "";
    std::optional<std::vector<kibbo::KeyPress>> presses;
    if (mode == "kana" && argc == at + 2) {
        presses = kibbo::KanaPresses("x11_keys", argv[at + 1]);
        if (!presses)
            return 1;
    } else if (mode == "code") {
        const std::optional<kibbo::KeyPress> press = kibbo::CodePress(argc - at - 1, argv + at + 1);
        if (!press)
            return Usage();
        presses = std::vector<kibbo::KeyPress>{*press};
    } else {
        return Usage();
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("x11_keys: no X display\n", stderr);
        return 1;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fputs("x11_keys: the X server has no XTEST extension\n", stderr);
        XCloseDisplay(display);
        return 1;
    }
    bool first = true;
    for (const kibbo::KeyPress& key : *presses) {
        if (!first)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        first = false;
        if (key.shift)
            Press(display, kShiftKeycode, true);
        Press(display, static_cast<unsigned>(key.keycode), true);
        Press(display, static_cast<unsigned>(key.keycode), false);
        if (key.shift)
            Press(display, kShiftKeycode, false);
    }
    XCloseDisplay(display);
    return 0;
}
