// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kibbo {

// Outside a login session (a virtual display, su, a container) nothing sets
// XDG_RUNTIME_DIR, and the window system's library then warns at every
// start about a folder the player has nothing to do with. This gives it the
// same kind of folder a session would: private to the user (mode 0700) in
// the temporary folder. Where that folder cannot be made safely, nothing is
// set and the library falls back on its own. Call before the application
// object is made.
void ProvideRuntimeFolder();

} // namespace kibbo
