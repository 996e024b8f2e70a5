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

// With no session bus to be found, the D-Bus library starts one: a thread
// of the window system's forks the program to run dbus-launch. The copy made
// by that fork has only the forking thread, and a lock another thread held
// at that moment stays taken in it for good; under the address sanitizer
// the copy then waits in its allocator forever, and the window system's
// thread, and so the program's exit, waits for the copy. Nothing of the
// game needs a bus started for it: where the session has none, this names
// an address that fails at once instead. Call before the application object
// is made, after ProvideRuntimeFolder.
void StartNoSessionBus();

} // namespace kibbo
