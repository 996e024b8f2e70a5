// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <Qt>

#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace kibbo {

class PictureCache;

// The rows of a window's design table: every control with its place and
// look, in the window's stacking order from the top. Every window builds its
// controls from such a table with CreateDesignControls; what no row can say
// (signals, the tab order, the focus) the window adds in code.

// A label is one line condensed to fit, or a wrapping text; a picture takes
// the size of its picture, a picture box keeps its own in a sunken frame.
enum class DesignKind { PushButton, Label, Picture, PictureBox, Line, CheckBox, ComboBox, TextBox, Slider, GroupBox };
// Across, at the top; or across, halfway down.
enum class DesignAlign { Left, Right, Centre, LeftMiddle, RightMiddle };

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
inline constexpr DesignFont kSerif12Bold{"MS Serif", 12, true};
inline constexpr DesignFont kSerif135Bold{"MS Serif", 13.5, true};
inline constexpr DesignFont kSerif18{"MS Serif", 18, false};
inline constexpr DesignFont kFixedSys9{"FixedSys", 9, false};
inline constexpr DesignFont kArialBlack24Bold{"Arial Black", 24, true};

inline constexpr const char* kBlack = "&H00000000&";
inline constexpr const char* kWhite = "&H00FFFFFF&";

// How a window knows a control of its table: by its name, which becomes the
// control's object name, or, for a control without a name, by a value of the
// window's own enum. A control the window never asks for may go without
// either (nullptr).
struct DesignId {
    constexpr DesignId(const char* objectName)
        : name(objectName)
    {
    }
    template <class Enum>
        requires std::is_enum_v<Enum>
    constexpr DesignId(Enum windowsOwn)
        : value(static_cast<int>(windowsOwn))
    {
    }

    bool operator==(const DesignId& other) const;

    const char* name = nullptr;
    int value = -1;
};

// One control, in twips. A line gives its two end points in place of the
// rectangle: (left, top) to (width, height).
struct DesignControl {
    DesignId id;
    DesignKind kind;
    int left, top, width, height;
    std::u16string_view caption = {};
    DesignFont font = kNoFont;
    const char* colour = nullptr; // the text's or line's design colour; null for the system's
    DesignAlign align = DesignAlign::Left;
    bool visible = true;
    bool wraps = false;               // a label's text runs over several lines
    const char* backColour = nullptr; // a label's own background; null for none
    std::string_view picture = {};    // a picture made with its file
    int lineWidth = 1;                // a line's width in pixels
};

// The controls a table made, for the window to keep by their ids.
class DesignWidgets {
public:
    // Null for an id the table does not have.
    QWidget* at(DesignId id) const;
    template <class Widget>
    Widget* get(DesignId id) const
    {
        return qobject_cast<Widget*>(at(id));
    }

private:
    friend DesignWidgets CreateDesignControls(std::span<const DesignControl>, QWidget&, PictureCache*);
    std::vector<std::pair<DesignId, QWidget*>> m_made;
};

// Makes every control of the table on parent, from the bottom of the stack
// up, so that each lies above the ones below it in the table and the
// controls are made, and take their default tab order, in that order. The
// pictures named in the table come from pictures.
DesignWidgets CreateDesignControls(std::span<const DesignControl> table, QWidget& parent,
                                   PictureCache* pictures = nullptr);

// A label's alignment as the design says.
constexpr Qt::Alignment AlignmentOf(DesignAlign align)
{
    switch (align) {
    case DesignAlign::Left:
        return Qt::AlignTop | Qt::AlignLeft;
    case DesignAlign::Right:
        return Qt::AlignTop | Qt::AlignRight;
    case DesignAlign::Centre:
        return Qt::AlignTop | Qt::AlignHCenter;
    case DesignAlign::LeftMiddle:
        return Qt::AlignVCenter | Qt::AlignLeft;
    case DesignAlign::RightMiddle:
        return Qt::AlignVCenter | Qt::AlignRight;
    }
    return Qt::AlignTop | Qt::AlignLeft;
}

} // namespace kibbo
