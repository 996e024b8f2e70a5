#pragma once

#include "game/SoundService.h"

#include <string>
#include <vector>

namespace kibbo::test {

// Records every sound command in the order it was sent.
class RecordingSound : public SoundService {
public:
    void playEffect(const std::string& path) override { commands.push_back("effect " + path); }
    void openMusic(const std::string& path) override { commands.push_back("open " + path); }
    void playMusic() override { commands.push_back("play"); }
    void stopMusic() override { commands.push_back("stop"); }
    void closeMusic() override { commands.push_back("close"); }

    std::vector<std::string> commands;
};

} // namespace kibbo::test
