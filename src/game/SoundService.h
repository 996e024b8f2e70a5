// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"

namespace kibbo {

// The two sound channels of the game, asked for by name. Effects are
// fire-and-forget; a new one cuts off the one still playing. Music is one
// tune at a time, played once from its beginning; a new tune cuts off the
// one before. Every request is silent and harmless when the file is missing
// or there is no sound device.
class SoundService {
public:
    virtual ~SoundService() = default;

    virtual void playEffect(Effect effect) = 0;
    virtual void playMusic(Tune tune) = 0;
    // Silence until the next tune.
    virtual void stopMusic() = 0;
};

} // namespace kibbo
