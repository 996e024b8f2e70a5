// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MidiWriter.h"

namespace artgen {

// The five pieces of the game, each played once from start to end.
MidiSong AfternoonWalk(); // sound/hooch.mid, about 100 s
MidiSong Dusk();          // sound/int40xg.mid, about 60 s
MidiSong NightHurry();    // sound/int37xg.mid, about 60 s
MidiSong GameOverTheme(); // sound/horror2.mid
MidiSong Fanfare();       // sound/fanfare.mid

} // namespace artgen
