#pragma once

#include "game/SoundService.h"

#include <map>
#include <memory>
#include <string>

struct Mix_Chunk;
struct _Mix_Music;

namespace kibbo {

// The game's two sound channels over SDL_mixer: one channel for effects, on
// which a new effect cuts off the old one, and one music piece at a time,
// played once. Until open() has found a sound device, and for a file that
// cannot be loaded, every operation does nothing.
class SdlSound final : public SoundService {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Opens the sound device; false when there is none, and the game stays
    // silent. Opening takes a moment, so the program calls it once its
    // window is on screen.
    bool open();

    void playEffect(const std::string& fullPath) override;
    void openMusic(const std::string& fullPath) override;
    void playMusic() override;
    void stopMusic() override;
    void closeMusic() override;

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    struct MusicDeleter {
        void operator()(_Mix_Music* music) const;
    };

    bool m_open = false;
    // Effects are few and short; keeping them loaded lets a bark start at
    // once on every correct key.
    std::map<std::string, std::unique_ptr<Mix_Chunk, ChunkDeleter>> m_effects;
    std::unique_ptr<_Mix_Music, MusicDeleter> m_music;
};

} // namespace kibbo
