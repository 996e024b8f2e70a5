// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"

namespace kibbo {

// How loud each channel plays: off, or a share of its full level. The
// player's options set them; a change applies to what is sounding now.
struct SoundLevels {
    bool music = true;
    bool effects = true;
    int musicVolume = 100;   // per cent
    int effectsVolume = 100; // per cent

    friend bool operator==(const SoundLevels&, const SoundLevels&) = default;
};

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

    // Music that is off goes on playing unheard, so that turning it on
    // again continues the tune of the moment.
    virtual void setLevels(const SoundLevels& levels) = 0;
    // A paused tune stands where it is and continues from there.
    virtual void setMusicPaused(bool paused) = 0;
};

} // namespace kibbo
