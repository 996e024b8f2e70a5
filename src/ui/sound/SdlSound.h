// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/SoundService.h"
#include "ui/sound/FluidMusic.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

struct Mix_Chunk;

namespace kibbo {

// The game's two sound channels: effects over SDL_mixer on one channel, on
// which a new effect cuts off the old one, and MIDI music through FluidSynth
// mixed into the same device, one tune at a time, played once. Effects and
// tunes are the files of the sound folder named by the game's asset list.
//
// Opening the device and reading the sound font take a while, so start()
// leaves them to a thread of their own and returns at once. Every operation
// is safe at any time: effects before the device is open are silent, and a
// piece played before the font is ready starts when it is. A missing file,
// font or device is silence.
class SdlSound final : public SoundService {
public:
    // The General MIDI font that the set-up installs. It is small enough to
    // keep the process light while music plays: the whole font sits in
    // memory, where a large one would take a hundred megabytes and more.
    static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

    // The set-up's font, and the effects in the sound folder beside the
    // program.
    SdlSound();
    // The font's path and the folder whose effects and tunes are read ahead,
    // so that playing them never waits for the disk.
    SdlSound(std::string soundFont, std::string soundFolder);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Opens the sound device and loads the font in the background; a second
    // call does nothing.
    void start();
    // Waits until start() has done its work; true when a device is open.
    // For tests and measurements: the game itself never waits.
    bool waitUntilReady(std::chrono::milliseconds timeout);

    // The name and icon a desktop's sound mixer shows for the game's
    // stream; before start(), on the window's thread.
    static void NameStream(const char* name, const char* iconName);

    void playEffect(Effect effect) override;
    void playMusic(Tune tune) override;
    void stopMusic() override;
    void setLevels(const SoundLevels& levels) override;
    void setMusicPaused(bool paused) override;

    // What is sounding, as a listener would notice it.
    bool isMusicPlaying() const { return m_music.isPlaying(); }
    int musicPeak() const { return m_music.peak(); }
    int musicPosition() const { return m_music.position(); }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    void load();
    void readAhead();
    std::string pathOf(std::string_view file) const;
    std::string midiFile(Tune tune) const;

    const std::string m_soundFont;
    const std::string m_soundFolder;
    std::thread m_loader;

    // Written by the loader until m_deviceOpen is set, then by the window
    // thread only.
    // An effect missing when the device opened is looked for once more at
    // its first use, then stays silent.
    std::array<Chunk, kEffects.size()> m_effects;
    std::array<bool, kEffects.size()> m_effectLookedFor{};
    std::array<std::string, kTunes.size()> m_midiFiles;
    std::atomic<bool> m_deviceOpen = false;
    // SDL_mixer's level for the effects, 0 (off) to MIX_MAX_VOLUME.
    std::atomic<int> m_effectsVolume;

    std::mutex m_readyMutex;
    std::condition_variable m_readyChanged;
    bool m_ready = false;

    FluidMusic m_music;
};

} // namespace kibbo
