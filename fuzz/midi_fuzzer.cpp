// SPDX-License-Identifier: GPL-3.0-or-later
// Music from sound/, read and played by FluidSynth's MIDI player the way
// the game plays it: a fresh player per piece on one long-lived synthesizer,
// timed by the samples rendered. No sound font is loaded, so notes cost
// nothing and only the reading and the event handling are exercised.
#include <fluidsynth.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {

fluid_synth_t* Synth()
{
    static fluid_synth_t* const synth = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        const char* noDrivers[] = {nullptr};
        fluid_audio_driver_register(noDrivers);
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", 22050);
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        return new_fluid_synth(settings);
    }();
    return synth;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fluid_synth_t* synth = Synth();
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add_mem(player, data, size);
    fluid_player_play(player);
    // Two seconds of music at most, a tenth of a second per buffer.
    static std::int16_t frames[2 * 2205];
    for (int buffer = 0; buffer < 20 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++buffer)
        fluid_synth_write_s16(synth, 2205, frames, 0, 2, frames, 1, 2);
    delete_fluid_player(player);
    fluid_synth_system_reset(synth);
    return 0;
}
