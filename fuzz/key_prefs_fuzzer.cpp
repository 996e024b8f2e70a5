// SPDX-License-Identifier: GPL-3.0-or-later
// data/key.ini as the settings dialog and every dog set-up read it.
#include "FuzzCheck.h"
#include "prefs/KeyPrefs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kibbo::KeyPrefs prefs{};
    prefs = kibbo::ParseKeyPrefs(bytes, prefs);

    // Saving what was read and reading it into a set that held other values
    // gives back every slot.
    kibbo::KeyPrefs again;
    again.fill(7);
    again = kibbo::ParseKeyPrefs(kibbo::FormatKeyPrefs(prefs), again);
    Require(again == prefs, "key.ini saved from what was read reads back the same");
    return 0;
}
