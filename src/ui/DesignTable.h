// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <string_view>

namespace kibbo {

// The rows of a window's design table: every control with its place and
// look, in the window's stacking order from the top. Windows built from such
// a table share this one shape; each says what its rows mean in code.

enum class DesignKind { PushButton, Label, Picture, Line };
enum class DesignAlign { Left, Right, Centre };

struct DesignFont {
    const char* name;
    double points;
    bool bold;
};

// The window's own font.
inline constexpr DesignFont kNoDesignFont{nullptr, 0, false};

// One control, in twips. A line gives its two end points in place of the
// rectangle: (left, top) to (width, height). Id is how the window knows the
// control: its name, or an enum of its own.
template <class Id>
struct DesignControl {
    Id id;
    DesignKind kind;
    int left, top, width, height;
    const char16_t* caption = nullptr;
    DesignFont font = kNoDesignFont;
    const char* colour = nullptr; // the text's design colour; null for the system's
    DesignAlign align = DesignAlign::Left;
    bool visible = true;
    bool wraps = false;               // a label's text runs over several lines
    const char* backColour = nullptr; // a label's own background; null for none
    std::string_view picture = {};    // a picture made with its file
};

// A label's alignment: at the top, and across as the design says.
constexpr Qt::Alignment AlignmentOf(DesignAlign align)
{
    switch (align) {
    case DesignAlign::Left:
        return Qt::AlignTop | Qt::AlignLeft;
    case DesignAlign::Right:
        return Qt::AlignTop | Qt::AlignRight;
    case DesignAlign::Centre:
        return Qt::AlignTop | Qt::AlignHCenter;
    }
    return Qt::AlignTop | Qt::AlignLeft;
}

} // namespace kibbo
