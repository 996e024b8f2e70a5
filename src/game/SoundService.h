#pragma once

#include <string>

namespace kibbo {

// The two sound channels of the game. Effects are fire-and-forget; a new one
// cuts off the one still playing. Music is one piece at a time under a single
// device name, driven by open / play / stop / close like a media device.
// Every operation is silent and harmless when the file is missing or no
// device is open.
class SoundService {
public:
    virtual ~SoundService() = default;

    virtual void playEffect(const std::string& fullPath) = 0;
    virtual void openMusic(const std::string& fullPath) = 0;
    virtual void playMusic() = 0;
    virtual void stopMusic() = 0;
    virtual void closeMusic() = 0;
};

} // namespace kibbo
