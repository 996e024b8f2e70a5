// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include <fluidsynth/types.h>

namespace kibbo {

// MIDI music through one FluidSynth synthesizer that lives as long as the
// program, so its General MIDI sound font is read from disk only once. Each
// piece gets a fresh MIDI player, timed by the samples rendered into the
// sound device's buffer, so no audio driver of FluidSynth's own is needed.
//
// Three threads meet here: the start-up thread loads the font, the window
// thread opens, plays, stops and closes pieces, and the sound device's thread
// renders. One mutex keeps the player and the synthesizer in one piece
// between them; nobody holds it for longer than one buffer's rendering.
class FluidMusic {
public:
    FluidMusic() = default;
    ~FluidMusic();
    FluidMusic(const FluidMusic&) = delete;
    FluidMusic& operator=(const FluidMusic&) = delete;

    // Reads the sound font; false when it cannot be read, and the music stays
    // silent. A piece opened and played before this finishes starts now.
    bool load(const std::string& soundFont, int sampleRate);

    // A piece as the bytes of a standard MIDI file; no bytes means silence.
    // Opening cuts off the piece before it, even when it is still sounding.
    void open(std::string midiFile);
    void play();
    void stop();
    void close();

    // The share of the full level the music is heard at, 0 to 100. At 0 the
    // piece plays on unheard, so that it is at the right place when it is
    // heard again.
    void setVolume(int percent);
    // A paused piece is not rendered, so it stands where it is, its notes
    // held, until it goes on.
    void setPaused(bool paused);

    // Mixes the music into interleaved 16-bit stereo frames.
    void render(std::int16_t* frames, int count);

    // Whether the open piece is being played, and the loudest sample of the
    // latest buffer rendered: what a listener would notice.
    bool isPlaying() const;
    int peak() const { return m_peak.load(std::memory_order_relaxed); }
    // Where the open piece is, in MIDI ticks; -1 with none.
    int position() const;

private:
    void createPlayer();
    void dropPlayer();

    mutable std::mutex m_mutex;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    // The open piece and whether it should sound, kept so that a piece
    // requested before the sound font is ready starts once it is.
    std::string m_midiFile;
    bool m_wanted = false;
    int m_volume = 100;
    bool m_paused = false;
    std::atomic<int> m_peak = 0;
};

} // namespace kibbo
