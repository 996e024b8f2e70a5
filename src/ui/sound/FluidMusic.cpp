// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound/FluidMusic.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <utility>

namespace kibbo {

namespace {

// FluidSynth's own level of 0.2 leaves the music faint; at this level the
// game's pieces peak at about half the loudness of the bark, which stays
// clear over them.
constexpr double kGain = 0.5;

} // namespace

FluidMusic::~FluidMusic()
{
    if (m_player)
        delete_fluid_player(m_player);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

bool FluidMusic::load(const std::string& soundFont, int sampleRate)
{
    // A missing font or an odd MIDI file means silence, not a page of
    // FluidSynth's complaints on stderr.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    if (!std::filesystem::is_regular_file(soundFont))
        return false;

    // The music is rendered into SDL's buffer, so FluidSynth needs none of
    // its audio drivers; left registered, they would probe every sound card
    // while the settings are made, which can take half a second.
    const char* noDrivers[] = {nullptr};
    fluid_audio_driver_register(noDrivers);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    // The player keeps time by the samples rendered into the device's buffer,
    // so it needs no thread or audio driver of its own.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return false;
    }

    // The font is read outside the lock: the window thread stays free while
    // it loads.
    std::lock_guard lock(m_mutex);
    m_settings = settings;
    m_synth = synth;
    createPlayer();
    return true;
}

void FluidMusic::open(std::string midiFile)
{
    std::lock_guard lock(m_mutex);
    dropPlayer();
    m_midiFile = std::move(midiFile);
    m_wanted = false;
    createPlayer();
}

void FluidMusic::play()
{
    std::lock_guard lock(m_mutex);
    if (m_midiFile.empty())
        return;
    m_wanted = true;
    if (m_player)
        fluid_player_play(m_player);
}

void FluidMusic::stop()
{
    std::lock_guard lock(m_mutex);
    m_wanted = false;
    if (m_player)
        fluid_player_stop(m_player);
    if (m_synth)
        fluid_synth_all_sounds_off(m_synth, -1);
}

void FluidMusic::close()
{
    std::lock_guard lock(m_mutex);
    dropPlayer();
    m_midiFile.clear();
    m_wanted = false;
}

void FluidMusic::setVolume(int percent)
{
    std::lock_guard lock(m_mutex);
    m_volume = std::clamp(percent, 0, 100);
}

void FluidMusic::setPaused(bool paused)
{
    std::lock_guard lock(m_mutex);
    m_paused = paused;
}

void FluidMusic::render(std::int16_t* frames, int count)
{
    std::lock_guard lock(m_mutex);
    int peak = 0;
    // The player keeps time by the samples rendered: what is not rendered
    // has not been played.
    if (m_paused) {
        m_peak.store(0, std::memory_order_relaxed);
        return;
    }
    // Between pieces the synthesizer would only render silence and the tail
    // of its reverb; skipping it spares the processor and keeps a stop
    // silent at once.
    const bool sounding = m_synth
        && ((m_player && fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING)
            || fluid_synth_get_active_voice_count(m_synth) > 0);
    if (sounding) {
        fluid_synth_write_s16(m_synth, count, frames, 0, 2, frames, 1, 2);
        // Scaled after the synthesizer, so that its own state, and with it
        // the piece, is the same at every volume.
        for (int i = 0; i < 2 * count; ++i) {
            if (m_volume != 100)
                frames[i] = static_cast<std::int16_t>(frames[i] * m_volume / 100);
            peak = std::max(peak, std::abs(static_cast<int>(frames[i])));
        }
    }
    m_peak.store(peak, std::memory_order_relaxed);
}

bool FluidMusic::isPlaying() const
{
    std::lock_guard lock(m_mutex);
    return m_player && fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING;
}

int FluidMusic::position() const
{
    std::lock_guard lock(m_mutex);
    return m_player ? fluid_player_get_current_tick(m_player) : -1;
}

void FluidMusic::createPlayer()
{
    if (!m_synth || m_midiFile.empty())
        return;
    m_player = new_fluid_player(m_synth);
    if (!m_player)
        return;
    fluid_player_set_loop(m_player, 1); // once, to its end
    fluid_player_add_mem(m_player, m_midiFile.data(), m_midiFile.size());
    if (m_wanted)
        fluid_player_play(m_player);
}

void FluidMusic::dropPlayer()
{
    if (m_player) {
        delete_fluid_player(m_player);
        m_player = nullptr;
    }
    if (m_synth)
        fluid_synth_all_sounds_off(m_synth, -1);
}

} // namespace kibbo
