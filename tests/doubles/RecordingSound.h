// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/SoundService.h"

#include <string>
#include <vector>

namespace kibbo::test {

// Records every sound request in the order it was made, as words a test
// can compare: "effect bark", "music opening", "stop music".
class RecordingSound : public SoundService {
public:
    void playEffect(Effect effect) override { requests.push_back("effect " + Name(effect)); }
    void playMusic(Tune tune) override { requests.push_back("music " + Name(tune)); }
    void stopMusic() override { requests.push_back("stop music"); }
    void setLevels(const SoundLevels& set) override { levels = set; }
    void setMusicPaused(bool paused) override { requests.push_back(paused ? "pause music" : "resume music"); }

    static std::string Name(Effect effect)
    {
        switch (effect) {
        case Effect::Click:
            return "click";
        case Effect::Bark:
            return "bark";
        }
        return "?";
    }

    static std::string Name(Tune tune)
    {
        switch (tune) {
        case Tune::Opening:
            return "opening";
        case Tune::Dusk:
            return "dusk";
        case Tune::Night:
            return "night";
        case Tune::GameOver:
            return "game over";
        case Tune::Fanfare:
            return "fanfare";
        }
        return "?";
    }

    std::vector<std::string> requests;
    SoundLevels levels; // as last set
};

} // namespace kibbo::test
