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
inline constexpr DesignFont kNoFont{nullptr, 0, false};

// The fonts of the designs.
inline constexpr DesignFont kGothic825{"MS UI Gothic", 8.25, false};
inline constexpr DesignFont kGothic9{"MS UI Gothic", 9, false};
inline constexpr DesignFont kGothic975{"MS UI Gothic", 9.75, false};
inline constexpr DesignFont kGothic12{"MS UI Gothic", 12, false};
inline constexpr DesignFont kGothic12Bold{"MS UI Gothic", 12, true};
inline constexpr DesignFont kGothic1575{"MS UI Gothic", 15.75, false};
inline constexpr DesignFont kGothic1575Bold{"MS UI Gothic", 15.75, true};
inline constexpr DesignFont kSerif135Bold{"MS Serif", 13.5, true};
inline constexpr DesignFont kSerif18{"MS Serif", 18, false};

inline constexpr const char* kBlack = "&H00000000&";
inline constexpr const char* kWhite = "&H00FFFFFF&";

// One control, in twips. A line gives its two end points in place of the
// rectangle: (left, top) to (width, height). Id is how the window knows the
// control: its name, or an enum of its own.
template <class Id>
struct DesignControl {
    Id id;
    DesignKind kind;
    int left, top, width, height;
    const char16_t* caption = nullptr;
    DesignFont font = kNoFont;
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
