// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Controls.h"

#include <array>
#include <string>
#include <vector>

namespace kibbo::test {

// The main window as plain values: what each control shows now.
class FakeControls : public MainFormControls {
public:
    struct State {
        std::u16string caption;
        std::size_t typed = 0, end = 0; // the marks of a marked caption
        bool visible = true;
        std::string picture; // relative path last loaded, "" for none
        int left = 0;
    };

    void setCaption(Control c, std::u16string_view text) override { at(c).caption = text; }
    void setMarkedCaption(Control c, std::u16string_view text, std::size_t typed, std::size_t end) override
    {
        at(c).caption = text;
        at(c).typed = typed;
        at(c).end = end;
    }
    void setVisible(Control c, bool visible) override { at(c).visible = visible; }
    void loadPicture(Control c, std::string_view path) override
    {
        at(c).picture = path;
        pictureLoads.emplace_back(path);
    }
    int left(Control c) const { return controls[static_cast<std::size_t>(c)].left; }
    void setLeft(Control c, int twips) override { at(c).left = twips; }
    void setTimer1Enabled(bool enabled) override { timer1Enabled = enabled; }

    State& at(Control c) { return controls[static_cast<std::size_t>(c)]; }

    std::array<State, kControlCount> controls{};
    std::vector<std::string> pictureLoads;
    bool timer1Enabled = false;
};

} // namespace kibbo::test
