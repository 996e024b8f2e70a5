// SPDX-License-Identifier: GPL-3.0-or-later
// The physical keys that type a text in kana, for the key senders of the
// whole-program tests (x11_keys, wayland_input). They take the game's own
// table and strokes, so that a test types a reading the way the game will
// judge it, and a change to the table cannot leave the tests typing the old
// keys.
#pragma once

#include "typing/KanaKeys.h"
#include "typing/KanaMatcher.h"

#include <QString>

#include <cstdio>
#include <optional>
#include <vector>

namespace kibbo {

// The key presses of TEXT (UTF-8), in order: a voiced kana as its plain kana
// and then ゛, a small kana with Shift. None, with a line on stderr, where
// a character has no key: nothing is typed of a text that cannot be typed
// whole.
inline std::optional<std::vector<KeyPress>> KanaPresses(const char* program, const char* text)
{
    std::vector<KeyPress> presses;
    for (const char16_t kana : KanaStrokes(QString::fromUtf8(text).toStdU16String())) {
        const std::optional<KeyPress> key = KeyOfKana(kana);
        if (!key) {
            std::fprintf(stderr, "%s: no kana key types '%s' (U+%04X) in '%s'\n", program,
                         QString(QChar(kana)).toUtf8().constData(), static_cast<unsigned>(kana), text);
            return std::nullopt;
        }
        presses.push_back(*key);
    }
    return presses;
}

// The key of `code N [shift]`: an X keycode, which names a physical key
// under X11 and, less 8, under Wayland. None for anything else.
inline std::optional<KeyPress> CodePress(int argc, char* argv[])
{
    if (argc < 1 || argc > 2 || (argc == 2 && QString::fromUtf8(argv[1]) != u"shift"))
        return std::nullopt;
    bool number = false;
    const int keycode = QString::fromUtf8(argv[0]).toInt(&number);
    if (!number || keycode < 8 || keycode > 255)
        return std::nullopt;
    return KeyPress{keycode, argc == 2};
}

} // namespace kibbo
