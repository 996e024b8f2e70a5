// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"
#include "game/Controls.h"

#include <array>
#include <cstddef>

namespace kibbo {

enum class PictureButton { Start, Restart, Top, Finish };

// A picture button: the control that shows it and its two pictures.
struct PictureButtonSpec {
    PictureButton button;
    Control control;
    ButtonPictures pictures;
};

// Every picture button, in the order of PictureButton. The rules take the
// pictures from here, the window its set-up and the controls it watches.
inline constexpr std::array<PictureButtonSpec, 4> kPictureButtons = {{
    {PictureButton::Start, Control::StartBtn, kStartButton},
    {PictureButton::Restart, Control::RestartBtn, kRestartButton},
    {PictureButton::Top, Control::TopBtn, kTopButton},
    {PictureButton::Finish, Control::FinishBtn, kFinishButton},
}};

constexpr const PictureButtonSpec& SpecOf(PictureButton button)
{
    return kPictureButtons[static_cast<std::size_t>(button)];
}

static_assert(SpecOf(PictureButton::Start).button == PictureButton::Start
                  && SpecOf(PictureButton::Restart).button == PictureButton::Restart
                  && SpecOf(PictureButton::Top).button == PictureButton::Top
                  && SpecOf(PictureButton::Finish).button == PictureButton::Finish,
              "kPictureButtons is in the order of PictureButton");

constexpr Control ControlOf(PictureButton button)
{
    return SpecOf(button).control;
}

constexpr const ButtonPictures& PicturesOf(PictureButton button)
{
    return SpecOf(button).pictures;
}

} // namespace kibbo
